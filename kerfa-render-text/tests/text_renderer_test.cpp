#include "kerfa_render_text/text_renderer.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "kerfa_content/testing/model.hpp"
#include "kerfa_content/testing/writer_cases.hpp"

namespace kerfa_render_text {
namespace {

using kerfa_content::data::structure::DataList;

using namespace kerfa_content::testing;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;
using kerfa_content::data::attributes::BulletStyle;

std::string text_of(std::span<const Data> items) {
    return TextRenderer().render_all(items);
}

Data entry(std::string value) {
    return block(bk::BULLET_ENTRY, list(text(std::move(value))));
}

Data bullets(DataList entries, std::optional<Attributes> attributes = std::nullopt) {
    return block(bk::BULLET, std::move(entries), std::move(attributes));
}

Data indent(std::int64_t steps, DataList children) {
    return block(bk::INDENT, std::move(children), attrs({attr::integer(steps)}));
}

Data row(DataList cells, kerfa_content::data::kinds::BlockKind kind = bk::TABLE_ROW) {
    return block(kind, std::move(cells));
}

Data cell(std::string value, kerfa_content::data::kinds::BlockKind kind = bk::TABLE_ENTRY) {
    return block(kind, list(text(std::move(value))));
}

TEST(TextRenderer, WritesContentAndLines) {
    expect_written(
        TextRenderer(),
        {
            {"two sections, a line feed between them",
             [] {
                 return list(section(list(heading(0), text("A"), line_break(), text("a"))),
                             section(list(text("b"))));
             },
             "# A\na\nb"},
            {"content", [] { return list(check(true), check(false), html("<i>x</i>"), divider()); },
             "[x][ ]<i>x</i>" + std::string(40, '-')},
            {"images with a path, and without",
             [] {
                 return list(image("a b.png"),
                             image_source(kerfa_content::types::Source::http("http://x/y.png")),
                             image_source(kerfa_content::types::Source{}));
             },
             "[image: a b.png][image: http://x/y.png]"},
            {"spans write only their text",
             [] {
                 return list(open(pk::BOLD), text("b"), close(),
                             open(pk::LINK, attrs({attr::text("u")})), text("l"), close(),
                             open_invalid("x"), text("i"), close());
             },
             "bli"},
            {"a heading of level 5", [] { return list(heading(5), text("h")); }, "###### h"},
            // Kept as written: a tagline line keeps its HTML in plain text.
            {"tagline", [] { return list(tagline(), text("t"), line_break(), text("n")); },
             "<span class=\"tagline\">t</span>\nn"},
            {"carriage return before the line feed when set",
             [] { return list(text("a"), line_break(true), text("b"), line_break(), text("c")); },
             "a\r\nb\nc"},
            {"quotes, cards and code boxes stand on lines of their own",
             [] {
                 return list(text("a"), block(bk::BLOCK_QUOTE, list(text("q"))),
                             block(bk::CODEBOX, list(text("c"))), block(bk::CARD));
             },
             "a\nq\n\nc\n\n\n"},
        });
}

TEST(TextRenderer, WritesListsWithTheirLabels) {
    expect_written(
        TextRenderer(),
        {
            {"the disc by default, a line feed between entries",
             [] { return list(bullets(list(entry("a"), entry("b"), entry("c")))); },
             "\u2022 a\n\u2022 b\n\u2022 c"},
            {"decimal from 9",
             [] {
                 return list(
                     bullets(list(entry("a"), entry("b"), entry("c")),
                             attrs({attr::bullet(BulletStyle::Decimal), attr::integer(9)})));
             },
             "9. a\n10. b\n11. c"},
            {"leading zero from 1",
             [] {
                 return list(bullets(
                     list(entry("a"), entry("b")),
                     attrs({attr::bullet(BulletStyle::DecimalLeadingZero), attr::text("1")})));
             },
             "01. a\n02. b"},
            // The nested list's first entry follows text on its line: no line feed before it.
            {"a nested list does not disturb the outer numbering",
             [] {
                 return list(bullets(
                     list(block(bk::BULLET_ENTRY,
                                list(text("a"),
                                     bullets(list(entry("x"), entry("y")),
                                             attrs({attr::bullet(BulletStyle::LowerAlpha)})))),
                          entry("b")),
                     attrs({attr::bullet(BulletStyle::Decimal)})));
             },
             "1. aa. x\nb. y\n2. b"},
            {"an entry outside any list gets the disc", [] { return list(entry("a")); },
             "\u2022 a"},
            // The first entry after text on the same line gets no line feed and no prefix.
            {"an entry after text on its line",
             [] { return list(indent(1, list(text("t"), bullets(list(entry("a"), entry("b")))))); },
             "  t\u2022 a\n  \u2022 b"},
            {"the counter wraps at the largest value",
             [] {
                 return list(
                     bullets(list(entry("a"), entry("b")),
                             attrs({attr::bullet(BulletStyle::Decimal),
                                    attr::integer(std::numeric_limits<std::int64_t>::max())})));
             },
             "9223372036854775807. a\n-9223372036854775808. b"},
        });
}

TEST(TextRenderer, IndentsByTwoSpacesPerStep) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::string widest(2048, ' ');
    expect_written(
        TextRenderer(),
        {
            {"nested: the inner start adds its own steps after a line break",
             [] {
                 return list(indent(1, list(text("a"), line_break(),
                                            indent(2, list(text("b"), line_break(), text("c"))),
                                            line_break(), text("d"))));
             },
             "  a\n      b\n      c\n  d"},
            {"an indent without a value is one step",
             [] { return list(block(bk::INDENT, list(text("a"), line_break(), text("b")))); },
             "  a\n  b"},
            {"after a quote the next indent writes the whole prefix",
             [] {
                 return list(indent(
                     1, list(block(bk::BLOCK_QUOTE, list(text("q"))), indent(1, list(text("x"))))));
             },
             "  \nq\n    x"},
            {"after a quote the next entry writes the whole prefix",
             [] {
                 return list(indent(
                     2, list(block(bk::BLOCK_QUOTE, list(text("q"))), bullets(list(entry("e"))))));
             },
             "    \nq\n    \u2022 e"},
            // Kept as written: the quote's first line is not indented.
            {"a quote inside an indent",
             [] {
                 return list(indent(
                     1, list(block(bk::BLOCK_QUOTE, list(text("a"), line_break(), text("b"))))));
             },
             "  \na\n  b\n"},
            {"a negative step count writes nothing",
             [] { return list(indent(-5, list(text("a"), line_break(), text("b")))); }, "a\nb"},
            {"negative steps take back the enclosing ones",
             [] {
                 return list(indent(3, list(text("a"), line_break(),
                                            indent(-2, list(text("b"), line_break(), text("c"))))));
             },
             "      a\n      b\n  c"},
            {"the smallest value does not underflow",
             [] {
                 return list(
                     indent(2, list(indent(kMin, list(text("a"), line_break(), text("b"))))));
             },
             "    a\nb"},
            {"a huge step count is cut to 1024 steps",
             [] { return list(indent(kMax, list(text("a"), line_break(), text("b")))); },
             widest + "a\n" + widest + "b"},
            {"the largest value does not overflow the enclosing steps",
             [] {
                 return list(
                     indent(3, list(text("a"), line_break(),
                                    indent(kMax, list(text("b"), line_break(), text("c"))))));
             },
             "      a\n      " + widest + "b\n" + widest + "c"},
        });
}

TEST(TextRenderer, WritesTablesWithTabsAndLineFeeds) {
    expect_written(
        TextRenderer(),
        {
            {"two rows of two cells",
             [] {
                 return list(block(bk::TABLE, list(row(list(cell("a"), cell("b"))),
                                                   row(list(cell("c"), cell("d"))))));
             },
             "a\tb\nc\td"},
            {"a heading part before the rows",
             [] {
                 return list(
                     block(bk::TABLE, list(block(bk::TABLE_HEADING,
                                                 list(row(list(cell("H", bk::TABLE_HEADING_ENTRY),
                                                               cell("I", bk::TABLE_HEADING_ENTRY)),
                                                          bk::TABLE_HEADING_ROW))),
                                           row(list(cell("1"), cell("2"))))));
             },
             "H\tI\n1\t2"},
            {"a heading part alone gets no line feed",
             [] {
                 return list(block(bk::TABLE,
                                   list(block(bk::TABLE_HEADING,
                                              list(row(list(cell("H")), bk::TABLE_HEADING_ROW))))));
             },
             "H"},
            {"an empty first cell still gives the next its tab",
             [] {
                 return list(block(bk::TABLE, list(row(list(block(bk::TABLE_ENTRY), cell("b"))))));
             },
             "\tb"},
        });
}

// A kind id outside the table is written as a plain block; its notice goes to the logging facade,
// which prints nothing.
TEST(TextRenderer, AnUnknownBlockKindWritesItsChildrenAndPrintsNothing) {
    const auto items = list(text("a"), block(99, list(text("b"))), text("c"));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const std::string out = text_of(items);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(out, "abc");
}

TEST(TextRenderer, WritesADocumentsChildrenAndOneContainer) {
    kerfa_content::data::types::Document document;
    document.name = "ignored";
    document.children = list(section(list(text("a"))), section(list(text("b"))));
    EXPECT_EQ(TextRenderer().render(document), "a\nb");
    const auto item = block(bk::BLOCK_QUOTE, list(text("q")));
    EXPECT_EQ(TextRenderer().render_container(*item.as_container()), "\nq\n");
}

// 200,000 levels of blocks, each holding a span that is still open: no recursion anywhere.
TEST(TextRenderer, WritesDeepDocuments) {
    constexpr std::size_t kDepth = 200'000;
    DataList top;
    DataList* tail = &top;
    for (std::size_t level = 0; level < kDepth; ++level) {
        tail->push_back(open(pk::BOLD));
        tail->push_back(block(static_cast<std::uint16_t>(level % 14)));
        tail = &tail->back().as_container()->children();
    }
    tail->push_back(text("bottom"));
    const std::string out = text_of(top);
    EXPECT_NE(out.find("bottom"), std::string::npos);
}

}  // namespace
}  // namespace kerfa_render_text
