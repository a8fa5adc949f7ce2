#include "kerfa_render_text/heading_renderer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kerfa_content/testing/model.hpp"

namespace kerfa_render_text {
namespace {

using namespace kerfa_content::testing;

TEST(HeadingRenderer, ListsTopLevelNamedSections) {
    struct Case {
        std::string name;
        std::vector<Data> items;
        std::string expected;
    };
    std::vector<Case> cases;
    cases.push_back({"tabs by level, names trimmed, no final line feed",
                     list(named_section(0, " A "), named_section(1, "B"), named_section(1, "C")),
                     "A\n\tB\n\tC"});
    cases.push_back({"white space beyond ASCII is trimmed too",
                     list(named_section(2, "\u3000\u00a0Deep\u2003\t")), "\t\tDeep"});
    cases.push_back(
        {"unnamed sections and other items are skipped",
         list(section(list(text("intro"))), text("x"), block(0), named_section(0, "Only")),
         "Only"});
    cases.push_back({"nested containers are not looked into",
                     list(document(list(named_section(0, "Inner"))),
                          named_section(0, "Outer", list(named_section(1, "Child")))),
                     "Outer"});
    cases.push_back({"no headings, no text", list(section(), section()), ""});
    cases.push_back({"an empty name still gives its line",
                     list(named_section(1, ""), named_section(0, "B")), "\t\nB"});
    for (const Case& c : cases) {
        EXPECT_EQ(HeadingRenderer().render_all(c.items), c.expected) << c.name;
    }
}

TEST(HeadingRenderer, WritesADocumentAndOneItem) {
    kerfa_content::data::types::Document document;
    document.children = list(named_section(0, "A"), named_section(1, "B"));
    EXPECT_EQ(HeadingRenderer().render(document), "A\n\tB");
    const auto item = named_section(3, " x ");
    EXPECT_EQ(to_section_heading(item), "\t\t\tx");
    EXPECT_EQ(HeadingRenderer().render_container(*item.as_container()), "\t\t\tx");
    EXPECT_EQ(to_section_heading(text("x")), std::nullopt);
    EXPECT_EQ(to_section_heading(section()), std::nullopt);
}

}  // namespace
}  // namespace kerfa_render_text
