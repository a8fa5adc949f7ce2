#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/padding.hpp"

namespace {

TEST(Padding, CountsCharactersNotBytes) {
    struct Case {
        std::string text;
        std::size_t columns;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"", 5, "     "},
        {"h", 5, "h    "},
        {"12 \xc2\xb5s", 8, "12 \xc2\xb5s   "},
        // Wide characters count one each: the padding is by characters, not display columns.
        {"\xe6\x96\x87\xe6\xa1\xa3", 4, "\xe6\x96\x87\xe6\xa1\xa3  "},
        {"exactly-16-chars", 16, "exactly-16-chars"},
        {"  --section=<id|title>", 16, "  --section=<id|title>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kerfa_tool::ui::pad_right(c.text, c.columns), c.expected) << c.text;
    }
}

}  // namespace
