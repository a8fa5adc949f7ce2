// The writer's helpers on their own: list labels, escapes, destinations, the table search.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "kerfa_content/testing/model.hpp"
#include "markdown_render/escape.hpp"
#include "markdown_render/nested.hpp"
#include "markdown_render/next_bullet.hpp"

namespace kerfa_render_markdown::markdown_render {
namespace {

using kerfa_content::data::structure::DataList;

using namespace kerfa_content::testing;
namespace bk = kerfa_content::data::kinds::block_kind;
using kerfa_content::data::attributes::BulletStyle;

TEST(MarkdownNextBullet, NumbersOnlyTheDecimalStyles) {
    struct Case {
        BulletStyle style;
        std::int64_t counter;
        std::string label;
        std::int64_t after;
    };
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::vector<Case> cases{
        {BulletStyle::Decimal, 1, "1.", 2},
        {BulletStyle::Decimal, -3, "-3.", -2},
        {BulletStyle::DecimalLeadingZero, 5, "5.", 6},
        {BulletStyle::DecimalLeadingZero, 0, "0.", 1},
        {BulletStyle::Decimal, kMax, "9223372036854775807.",
         std::numeric_limits<std::int64_t>::min()},
        {BulletStyle::LowerAlpha, 4, "-", 4},
        {BulletStyle::UpperRoman, 4, "-", 4},
        {BulletStyle::LowerGreek, 4, "-", 4},
        {BulletStyle::Disc, 4, "-", 4},
        {BulletStyle::Asterisk, 4, "-", 4},
        {BulletStyle::None, 4, "-", 4},
    };
    for (const Case& c : cases) {
        next_bullet::NextBullet bullet{c.counter, c.style};
        EXPECT_EQ(bullet.next(), c.label) << static_cast<int>(c.style);
        EXPECT_EQ(bullet.counter, c.after) << static_cast<int>(c.style);
    }
}

TEST(MarkdownEscape, EscapesSixCharactersAndWrapsDestinationsWithWhiteSpace) {
    EXPECT_EQ(escape::escape("*[\\]_`#<>|~&-+.!"), "\\*\\[\\\\\\]\\_\\`#<>|~&-+.!");
    EXPECT_EQ(escape::escape(""), "");
    std::string out;
    escape::append_escaped(out, "a|b_c", escape::Escaping::Pipe);
    escape::append_escaped(out, "|_", escape::Escaping::MarkdownAndPipe);
    EXPECT_EQ(out, "a\\|b_c\\|\\_");

    const std::vector<std::pair<std::string, std::string>> urls{
        {"http://x/a_b?c=d&e#f%20", "http://x/a_b?c=d&e#f%20"},
        {"", ""},
        {"a b", "<a b>"},
        {"a\tb", "<a\tb>"},
        {"a\nb", "<a\nb>"},
        {"a\u0085b", "<a\u0085b>"},
        {"a\u00a0b", "<a\u00a0b>"},
        {"a\u2028b", "<a\u2028b>"},
        {"a\u3000b", "<a\u3000b>"},
        {"a\u200bb", "a\u200bb"},  // zero width space is not white space
        {"bad\xff"
         "byte",
         "bad\xff"
         "byte"},
    };
    for (const auto& [url, written] : urls) {
        EXPECT_EQ(escape::format_url(url), written) << url;
    }
}

TEST(MarkdownNested, FindsTablesInsideBlocksOnly) {
    struct Case {
        std::string name;
        DataList items;
        bool expected;
    };
    std::vector<Case> cases;
    cases.push_back({"none", list(text("a"), block(bk::CARD, list(text("b")))), false});
    cases.push_back({"a table at once", list(block(bk::TABLE)), true});
    cases.push_back({"deep inside blocks",
                     list(block(bk::TABLE_ROW,
                                list(block(bk::TABLE_ENTRY,
                                           list(block(bk::BLOCK_QUOTE, list(block(bk::TABLE)))))))),
                     true});
    cases.push_back({"sections are not searched", list(section(list(block(bk::TABLE)))), false});
    cases.push_back({"documents are not searched", list(document(list(block(bk::TABLE)))), false});
    for (const Case& c : cases) {
        EXPECT_EQ(nested::contains_table(c.items), c.expected) << c.name;
    }

    // 200,000 blocks deep: the search costs heap, not call stack.
    DataList top;
    DataList* tail = &top;
    for (std::size_t level = 0; level < 200'000; ++level) {
        tail->push_back(block(bk::BLOCK));
        tail = &tail->back().as_container()->children();
    }
    EXPECT_FALSE(nested::contains_table(top));
    tail->push_back(block(bk::TABLE));
    EXPECT_TRUE(nested::contains_table(top));
}

}  // namespace
}  // namespace kerfa_render_markdown::markdown_render
