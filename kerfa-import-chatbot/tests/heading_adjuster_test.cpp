#include "utils/heading_adjuster.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using import_chatbot::utils::adjust_headings;

struct Case {
    const char* what;
    std::string text;
    std::string expected;
};

TEST(AdjustHeadings, ShiftsHeadingsOutsideFences) {
    const std::vector<Case> cases = {
        {"empty", "", ""},
        {"heading", "# A", "### A"},
        {"lone number sign", "#", "###"},
        {"level six becomes eight", "###### Deep", "######## Deep"},
        {"level eight", "######## x", "########## x"},
        {"no blank after the run", "#hash", "#hash"},
        {"tab after the run", "#\tx", "#\tx"},
        {"indented", "  # a", "  # a"},
        {"fenced block unchanged", "```\n# code\n```\n## Title", "```\n# code\n```\n#### Title"},
        {"longer fence and info string toggle", "````\n# a\n```python\n# b",
         "````\n# a\n```python\n### b"},
        {"tilde and indented fences do not count", "~~~\n# a\n  ```\n# b",
         "~~~\n### a\n  ```\n### b"},
        {"CR LF becomes LF", "# a\r\nb\r\n", "### a\nb"},
        {"lone CR stays", "# a\rb", "### a\rb"},
        {"final line feed dropped", "a\n", "a"},
        {"empty lines kept", "a\n\n\n# b\n\n", "a\n\n\n### b\n"},
        {"only line feeds", "\n\n", "\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(adjust_headings(c.text, 2), c.expected) << c.what;
    }
    EXPECT_EQ(adjust_headings("# a\n#b", 0), "# a\n#b");
    EXPECT_EQ(adjust_headings("# a", 5), "###### a");
}

}  // namespace
