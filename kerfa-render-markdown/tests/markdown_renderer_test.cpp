#include "kerfa_render_markdown/markdown_renderer.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "kerfa_content/testing/model.hpp"

namespace kerfa_render_markdown {
namespace {

using namespace kerfa_content::testing;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;
using kerfa_content::data::attributes::BulletStyle;
using kerfa_content::data::attributes::NamedColor;
using kerfa_content::types::Source;

std::string md(const std::vector<Data>& items) {
    return MarkdownRenderer().render_all(items);
}

struct Case {
    std::string name;
    std::vector<Data> items;
    std::string expected;
};

void expect_all(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(md(c.items), c.expected) << c.name;
    }
}

Data entry(std::vector<Data> children) {
    return block(bk::BULLET_ENTRY, std::move(children));
}

Data bullets(std::vector<Data> entries, std::optional<Attributes> attributes = std::nullopt) {
    return block(bk::BULLET, std::move(entries), std::move(attributes));
}

Data quote(std::vector<Data> children) {
    return block(bk::BLOCK_QUOTE, std::move(children));
}

Data cell(std::string value, kerfa_content::data::kinds::BlockKind kind = bk::TABLE_ENTRY) {
    return block(kind, list(text(std::move(value))));
}

Data row(std::vector<Data> cells) {
    return block(bk::TABLE_ROW, std::move(cells));
}

Data heading_part(std::vector<Data> cells) {
    return block(bk::TABLE_HEADING, list(block(bk::TABLE_HEADING_ROW, std::move(cells))));
}

Data table(std::vector<Data> children = {}) {
    return block(bk::TABLE, std::move(children));
}

// A span of one kind around the text "t".
std::vector<Data> span(kerfa_content::data::kinds::PropertyKind kind,
                       std::optional<Attributes> attributes = std::nullopt,
                       std::string inside = "t") {
    return list(open(kind, std::move(attributes)), text(std::move(inside)), close());
}

TEST(MarkdownRenderer, WritesContent) {
    std::vector<Case> cases;
    cases.push_back({"six characters are escaped, no others",
                     list(text("a*b[c]\\d_e`f#g<h|i~j&k>")),
                     "a\\*b\\[c\\]\\\\d\\_e\\`f#g<h|i~j&k>"});
    cases.push_back(
        {"check boxes without a space", list(check(true), check(false), text("a")), "[x][ ]a"});
    cases.push_back({"divider", list(divider()), "---"});
    cases.push_back({"raw HTML unchanged", list(html("<b>*x*</b>")), "<b>*x*</b>"});
    cases.push_back({"line breaks",
                     list(text("a"), line_break(), text("b"), line_break(true), text("c")),
                     "a\nb\r\nc"});
    cases.push_back({"headings", list(heading(0), text("A"), line_break(), heading(5), text("F")),
                     "# A\n###### F"});
    cases.push_back({"a tagline's text is ordinary text", list(tagline(), text("t_")), "t\\_"});
    cases.push_back({"sections that end with a line break",
                     list(section(list(text("a"), line_break())), section(list(text("b")))),
                     "a\nb"});
    cases.push_back({"image from a file", list(image("a/b.png")), "![](a/b.png)"});
    cases.push_back({"image from an address", list(image_source(Source::http("http://x/y_z.png"))),
                     "![](http://x/y_z.png)"});
    cases.push_back({"image with a space", list(image("a b.png")), "![](<a b.png>)"});
    cases.push_back({"image with white space beyond ASCII", list(image("a\u3000b.png")),
                     "![](<a\u3000b.png>)"});
    cases.push_back({"image without a source", list(image_source(Source{})), "![]()"});
    expect_all(cases);
}

TEST(MarkdownRenderer, WritesEachPropertyKind) {
    const auto style = [](std::string css) { return "<span style=\"" + css + "\">t</span>"; };
    std::vector<Case> cases;
    cases.push_back({"bold", span(pk::BOLD), "**t**"});
    cases.push_back({"italic", span(pk::ITALIC), "_t_"});
    cases.push_back({"strikethrough", span(pk::STRIKETHROUGH), "~~t~~"});
    cases.push_back({"code", span(pk::CODE), "`t`"});
    cases.push_back({"caution", span(pk::CAUTION), style("color: #B39700")});
    cases.push_back({"dim", span(pk::DIM), style("color: #a0a0a0")});
    cases.push_back({"important", span(pk::IMPORTANT), style("color: #E67E00")});
    cases.push_back({"monospace", span(pk::MONOSPACE), style("font-family: monospace")});
    cases.push_back({"note", span(pk::NOTE), style("color: #57902b")});
    cases.push_back({"variable", span(pk::VARIABLE), style("color: #C437FB")});
    cases.push_back({"warning", span(pk::WARNING), style("color: crimson")});
    cases.push_back({"tag", span(pk::TAG), style("background: #e8e8e8")});
    cases.push_back({"font name", span(pk::FONT_NAME, attrs({attr::text("Fira Code")})),
                     style("font-family: Fira Code")});
    cases.push_back({"font size without a value", span(pk::FONT_SIZE), style("font-size: ")});
    cases.push_back({"highlight", span(pk::HIGHLIGHT, attrs({attr::text("red")})),
                     "<mark style=\"background: yellow\">t</mark>"});
    cases.push_back({"small", span(pk::SMALL), "<small>t</small>"});
    cases.push_back({"subscript", span(pk::SUBSCRIPT), "<sub>t</sub>"});
    cases.push_back({"superscript", span(pk::SUPERSCRIPT), "<sup>t</sup>"});
    cases.push_back({"underline", span(pk::UNDERLINE), "<u>t</u>"});
    cases.push_back({"background, named",
                     span(pk::BACKGROUND, attrs({attr::color(NamedColor::RebeccaPurple)})),
                     style("background: rebeccapurple")});
    cases.push_back({"badge, value", span(pk::BADGE, attrs({attr::hex("ff0000")})),
                     style("background: #ff0000")});
    cases.push_back({"color, mixed",
                     span(pk::COLOR, attrs({attr::color(NamedColor::MidYellowGreen)})),
                     style("color: #80FF00")});
    cases.push_back({"color without a value", span(pk::COLOR), style("color: inherit")});
    cases.push_back({"address", span(pk::ADDRESS), "<span>t</span>"});
    cases.push_back({"coordinates", span(pk::COORDINATES), "<span>t</span>"});
    cases.push_back({"fixed", span(pk::FIXED), "<span>t</span>"});
    cases.push_back({"document link: its document only",
                     span(pk::DOCUMENT, attrs({attr::doc_link("notes", "a", "b")})), "[t](notes)"});
    cases.push_back({"document link without a document",
                     span(pk::DOCUMENT, attrs({attr::doc_link(std::nullopt, "a", std::nullopt)})),
                     "t"});
    cases.push_back({"document by text", span(pk::DOCUMENT, attrs({attr::text("my notes")})),
                     "[t](<my notes>)"});
    cases.push_back({"document without a value", span(pk::DOCUMENT), "t"});
    cases.push_back({"document filter", span(pk::DOCUMENT_FILTER, attrs({attr::text("x")})), "t"});
    cases.push_back({"document select", span(pk::DOCUMENT_SELECT, attrs({attr::text("x")})), "t"});
    cases.push_back({"email", span(pk::EMAIL, attrs({attr::text("a@b.c")})), "[t](mailto:a@b.c)"});
    cases.push_back(
        {"link", span(pk::LINK, attrs({attr::text("http://x/(y)")})), "[t](http://x/(y))"});
    cases.push_back(
        {"telephone", span(pk::TELEPHONE, attrs({attr::integer(123)})), "[t](tel:123)"});
    cases.push_back({"telephone without a value", span(pk::TELEPHONE), "t"});
    cases.push_back({"an unknown kind", span(99), "t"});
    cases.push_back({"an invalid element", list(open_invalid("x"), text("t"), close()), "t"});
    cases.push_back({"the link text is escaped", span(pk::LINK, attrs({attr::text("u")}), "a_b"),
                     "[a\\_b](u)"});
    expect_all(cases);
}

TEST(MarkdownRenderer, WritesEachBlockKind) {
    std::vector<Case> cases;
    cases.push_back({"a list, dash by default",
                     list(bullets(list(entry(list(text("a"))), entry(list(text("b")))))),
                     "- a\n- b"});
    cases.push_back({"decimal counts from its start",
                     list(bullets(list(entry(list(text("a"))), entry(list(text("b")))),
                                  attrs({attr::bullet(BulletStyle::Decimal), attr::integer(7)}))),
                     "7. a\n8. b"});
    cases.push_back(
        {"leading zero is not written",
         list(bullets(list(entry(list(text("a"))), entry(list(text("b")))),
                      attrs({attr::bullet(BulletStyle::DecimalLeadingZero), attr::integer(5)}))),
         "5. a\n6. b"});
    cases.push_back(
        {"other styles write a dash",
         list(bullets(list(entry(list(text("a"))), entry(list(text("b")))),
                      attrs({attr::bullet(BulletStyle::UpperRoman), attr::integer(3)}))),
         "- a\n- b"});
    cases.push_back({"an entry outside a list", list(entry(list(text("a")))), "- a"});
    cases.push_back({"an entry after text on its line starts a new one",
                     list(text("x"), bullets(list(entry(list(text("a")))))), "x\n- a"});
    cases.push_back({"a nested list behind an indent",
                     list(bullets(list(entry(list(text("a"))))),
                          block(bk::INDENT, list(bullets(list(entry(list(text("b")))))))),
                     "- a\n\t- b"});
    cases.push_back({"quotes mark every line",
                     list(quote(list(text("a"), line_break(), text("b")))), "> a\n> b"});
    cases.push_back({"nested quotes", list(quote(list(quote(list(text("a")))))), "> > a"});
    cases.push_back({"an indent inside a quote",
                     list(quote(list(block(bk::INDENT, list(text("a"), line_break(), text("b")))))),
                     "> \ta\n> \tb"});
    cases.push_back(
        {"a list inside a quote",
         list(quote(list(bullets(list(entry(list(text("a"))), entry(list(text("b")))))))),
         "> - a\n> - b"});
    // Every line of a code box stays in the quote, the first and the closing fence too.
    cases.push_back(
        {"a code box inside a quote",
         list(quote(list(block(bk::CODEBOX, list(text("c"), line_break(), text("d")))))),
         "> ```\n> c\n> d\n> ```"});
    cases.push_back({"an empty last line of code inside a quote",
                     list(quote(list(block(bk::CODEBOX, list(text("c"), line_break()))))),
                     "> ```\n> c\n>\n> ```"});
    cases.push_back({"an empty code box inside a quote and an indent",
                     list(quote(list(block(bk::INDENT, list(block(bk::CODEBOX)))))),
                     "> \t```\n>\n> \t```"});
    cases.push_back(
        {"code is not escaped, emphasis still written",
         list(block(bk::CODEBOX, list(text("a*b_c"), open(pk::BOLD), text("x"), close()))),
         "```\na*b_c**x**\n```"});
    cases.push_back(
        {"card", list(block(bk::CARD, list(text("a")))),
         "<div style=\"background: #f0f0f0; border: 1px solid #b0b0b0; border-radius: 0.3em; "
         "padding: 1em\">a</div>"});
    cases.push_back(
        {"plain blocks, standalone headings and unknown kinds write their children",
         list(block(bk::BLOCK, list(text("a"))), block(bk::STANDALONE_HEADING, list(text("b"))),
              block(77, list(text("c")))),
         "abc"});
    expect_all(cases);
}

TEST(MarkdownRenderer, WritesTables) {
    std::vector<Case> cases;
    cases.push_back(
        {"a pipe table",
         list(table(list(heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY),
                                           cell("b", bk::TABLE_HEADING_ENTRY))),
                         row(list(cell("1"), cell("2"))), row(list(cell("3"), cell("4")))))),
         "| a | b |\n| --- | --- |\n| 1 | 2 |\n| 3 | 4 |"});
    cases.push_back({"one rule per item of the heading row",
                     list(table(list(heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY),
                                                       cell("b", bk::TABLE_HEADING_ENTRY),
                                                       cell("c", bk::TABLE_HEADING_ENTRY)))))),
                     "| a | b | c |\n| --- | --- | --- |"});
    cases.push_back({"an empty heading row still gets one rule",
                     list(table(list(heading_part({})))), "|  |\n| --- |"});
    cases.push_back({"empty cells", list(table(list(row(list(block(bk::TABLE_ENTRY), cell("b")))))),
                     "|  | b |"});
    cases.push_back(
        {"a table holding a table is HTML, and so is the inner one",
         list(table(
             list(row(list(block(bk::TABLE_ENTRY, list(table(list(row(list(cell("x|y")))))))))))),
         "<table>\n<tr><td><table>\n<tr><td>x|y</td></tr>\n</table></td></tr>\n</table>"});
    cases.push_back({"a table deeper inside a cell's blocks makes HTML too",
                     list(table(list(heading_part(list(
                         block(bk::TABLE_HEADING_ENTRY,
                               list(block(bk::BLOCK, list(block(bk::BLOCK, list(table()))))))))))),
                     "<table>\n<thead>\n<tr><th><table>\n</table></th></tr>\n</thead>\n</table>"});
    expect_all(cases);
}

// Where the lead ("> " per quote, then the indent's tabs) is written, and where it is not.
TEST(MarkdownRenderer, TakesTheLineStart) {
    std::vector<Case> cases;
    cases.push_back({"every item that begins a line gets the lead",
                     list(quote(list(text("a"), line_break(), check(true), line_break(), divider(),
                                     line_break(), html("<i>"), line_break(), image("p.png"),
                                     line_break(), open(pk::BOLD), text("b"), close()))),
                     "> a\n> [x]\n> ---\n> <i>\n> ![](p.png)\n> **b**"});
    cases.push_back({"a heading and a card get it too",
                     list(quote(list(heading(1), text("h"), line_break(), block(bk::CARD)))),
                     "> ## h\n> <div style=\"background: #f0f0f0; border: 1px solid #b0b0b0; "
                     "border-radius: 0.3em; padding: 1em\"></div>"});
    cases.push_back(
        {"a span end eats the next line's lead",
         list(quote(list(text("a"), open(pk::BOLD), text("b"), line_break(), close(), text("c")))),
         "> a**b\n**c"});
    cases.push_back(
        {"so does the end of a heading line",
         list(quote(list(quote(list(heading(0), text("h"), block(bk::BLOCK, list(line_break())))),
                         text("after")))),
         "> > # h\nafter"});
    cases.push_back({"table rows get no lead",
                     list(quote(list(table(list(row(list(cell("a"))), row(list(cell("b")))))))),
                     "| a |\n| b |"});
    cases.push_back({"a tagline leaves it",
                     list(quote(list(text("a"), line_break(), tagline(), text("t")))), "> a\n> t"});
    cases.push_back(
        {"a section begins at a line start",
         list(section(list(text("x"))), section(list(bullets(list(entry(list(text("a"))))))),
              section(), section(list(text("y"), line_break())), section(list(text("z")))),
         "x\n- a\ny\nz"});
    cases.push_back(
        {"an empty line keeps the quote markers",
         list(quote(list(quote(list(text("a"), line_break(), line_break(true), text("b")))))),
         "> > a\n> >\r\n> > b"});
    expect_all(cases);
}

TEST(MarkdownRenderer, InlineCodeIsFencedAndWrittenAsItStands) {
    std::vector<Case> cases;
    cases.push_back(
        {"not escaped", span(pk::CODE, std::nullopt, "snake_case *x*"), "`snake_case *x*`"});
    cases.push_back({"a fence longer than any run inside", span(pk::CODE, std::nullopt, "a``b`c"),
                     "```a``b`c```"});
    cases.push_back({"a backquote at the start", span(pk::CODE, std::nullopt, "`a"), "`` `a ``"});
    cases.push_back({"a backquote at the end", span(pk::CODE, std::nullopt, "a`"), "`` a` ``"});
    cases.push_back({"only backquotes", span(pk::CODE, std::nullopt, "``"), "``` `` ```"});
    cases.push_back({"a blank at both ends", span(pk::CODE, std::nullopt, " a "), "`  a  `"});
    cases.push_back({"a blank at one end only", span(pk::CODE, std::nullopt, " a"), "` a`"});
    cases.push_back({"only blanks", span(pk::CODE, std::nullopt, "  "), "`  `"});
    cases.push_back({"empty", list(text("a"), open(pk::CODE), close(), text("b")), "ab"});
    cases.push_back({"its parts",
                     list(open(pk::CODE), text("a_"), open(pk::ITALIC), text("b"), close(), close(),
                          text("_c")),
                     "`a__b_`\\_c"});
    cases.push_back({"after the lead of a quote", list(quote(span(pk::CODE, std::nullopt, "`x"))),
                     "> `` `x ``"});
    cases.push_back({"left open: written bare, and text after its list is escaped again",
                     list(block(bk::BLOCK, list(open(pk::CODE), text("a_b"))), text("c_d")),
                     "a_bc\\_d"});
    expect_all(cases);
}

TEST(MarkdownRenderer, AutolinksKeepTheirAddress) {
    std::vector<Case> cases;
    cases.push_back({"a link without a value", span(pk::LINK, std::nullopt, "http://a_b/*c*"),
                     "<http://a_b/*c*>"});
    cases.push_back({"an address whose value is its text",
                     list(open_content(pk::LINK), text("http://x_y"), close(), text("_")),
                     "<http://x_y>\\_"});
    cases.push_back(
        {"an e-mail without a value", span(pk::EMAIL, std::nullopt, "a_b@c.d"), "<a_b@c.d>"});
    expect_all(cases);
}

// A code box, pipe table, block quote or heading that follows text on its line starts a new one;
// right after a list label a heading or quote stays there.
TEST(MarkdownRenderer, BlocksAfterTextStartTheirOwnLine) {
    std::vector<Case> cases;
    cases.push_back(
        {"a code box in a list entry",
         list(bullets(list(entry(list(text("Install:"), block(bk::CODEBOX, list(text("make")))))),
                      attrs({attr::bullet(BulletStyle::Decimal)}))),
         "1. Install:\n```\nmake\n```"});
    // Its later lines could not stay in the entry: a code box leaves the label's line too.
    cases.push_back({"a code box right after the label",
                     list(bullets(list(entry(list(block(bk::CODEBOX, list(text("x")))))))),
                     "- \n```\nx\n```"});
    cases.push_back({"a pipe table right after the label",
                     list(bullets(list(entry(list(
                         table(list(heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY)))))))))),
                     "- \n| a |\n| --- |"});
    cases.push_back({"a quote right after the label",
                     list(bullets(list(entry(list(quote(list(text("q")))))))), "- q"});
    cases.push_back({"a code box after text at section level",
                     list(text("a"), block(bk::CODEBOX, list(text("x")))), "a\n```\nx\n```"});
    cases.push_back({"a code box after text inside a quote",
                     list(quote(list(bullets(
                         list(entry(list(text("t"), block(bk::CODEBOX, list(text("x")))))))))),
                     "> - t\n> ```\n> x\n> ```"});
    cases.push_back({"a quote after text",
                     list(bullets(list(entry(list(text("t"), quote(list(text("q")))))))),
                     "- t\n> q"});
    cases.push_back(
        {"a pipe table after text",
         list(bullets(list(entry(list(
             text("t"), table(list(heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY)))))))))),
         "- t\n| a |\n| --- |"});
    cases.push_back({"a heading after text",
                     list(bullets(list(entry(list(text("t"), heading(1), text("h")))))),
                     "- t\n## h"});
    cases.push_back({"a heading right after the label",
                     list(bullets(list(entry(list(heading(0), text("h")))))), "- # h"});
    cases.push_back({"a code box after a line break",
                     list(text("a"), line_break(), block(bk::CODEBOX, list(text("x")))),
                     "a\n```\nx\n```"});
    expect_all(cases);
}

TEST(MarkdownRenderer, EscapesPipesInPipeTableCells) {
    std::vector<Case> cases;
    cases.push_back(
        {"text and code",
         list(table(list(
             row(list(cell("a|b"), block(bk::TABLE_ENTRY, span(pk::CODE, std::nullopt, "c|d"))))))),
         "| a\\|b | `c\\|d` |"});
    // As written: raw HTML stands as it is (a reader keeps a backslash inside it).
    cases.push_back(
        {"raw HTML is left alone",
         list(table(list(row(list(block(bk::TABLE_ENTRY, list(html("<i title=\"|\">")))))))),
         "| <i title=\"|\"> |"});
    cases.push_back({"outside a table it stays", list(text("a|b")), "a|b"});
    expect_all(cases);
}

TEST(MarkdownRenderer, CountsWrapAtTheLargestValue) {
    const auto items =
        list(bullets(list(entry(list(text("a"))), entry(list(text("b")))),
                     attrs({attr::bullet(BulletStyle::Decimal),
                            attr::integer(std::numeric_limits<std::int64_t>::max())})));
    EXPECT_EQ(md(items), "9223372036854775807. a\n-9223372036854775808. b");
}

TEST(MarkdownRenderer, WritesADocumentsChildrenAndOneContainer) {
    kerfa_content::data::types::Document document;
    document.name = "ignored";
    document.children = list(section(list(heading(0), text("A"), line_break(), text("x"))));
    EXPECT_EQ(MarkdownRenderer().render(document), "# A\nx");
    const auto item = quote(list(text("q")));
    EXPECT_EQ(MarkdownRenderer().render_container(*item.as_container()), "> q");
}

// 200,000 levels of blocks, each holding a span still open, and a table at the bottom that every
// enclosing table looks for. Quotes and indents nest in a chain of their own, without spans: every
// line opened inside them writes the whole lead, so a line per level would make the text grow with
// the square of the depth.
TEST(MarkdownRenderer, WritesDeepDocuments) {
    constexpr std::size_t kDepth = 200'000;
    const std::vector<std::uint16_t> kinds{bk::BLOCK,
                                           bk::BULLET,
                                           bk::CARD,
                                           bk::CODEBOX,
                                           bk::TABLE,
                                           bk::TABLE_ROW,
                                           bk::TABLE_ENTRY,
                                           bk::TABLE_HEADING,
                                           bk::TABLE_HEADING_ROW,
                                           bk::TABLE_HEADING_ENTRY,
                                           bk::STANDALONE_HEADING,
                                           99};
    const auto chain = [&](const std::vector<std::uint16_t>& cycle, Data bottom,
                           bool spans = true) {
        std::vector<Data> top;
        std::vector<Data>* tail = &top;
        for (std::size_t level = 0; level < kDepth; ++level) {
            if (spans) {
                tail->push_back(open(pk::BOLD));
            }
            tail->push_back(block(cycle[level % cycle.size()]));
            tail = &tail->back().as_container()->children();
        }
        tail->push_back(std::move(bottom));
        return top;
    };
    const std::string blocks = md(chain(kinds, table(list(row(list(cell("bottom")))))));
    EXPECT_NE(blocks.find("<td>bottom</td>"), std::string::npos);

    const std::string quotes = md(chain({bk::BLOCK_QUOTE, bk::INDENT}, text("x"), false));
    std::string lead;
    for (std::size_t level = 0; level < kDepth / 2; ++level) {
        lead += "> ";
    }
    EXPECT_EQ(quotes, lead + std::string(kDepth / 2, '\t') + "x");

    const std::string entries = md(chain({bk::BULLET, bk::BULLET_ENTRY}, text("x")));
    EXPECT_TRUE(entries.starts_with("****\n- ****\n- ****\n- **"));
}

}  // namespace
}  // namespace kerfa_render_markdown
