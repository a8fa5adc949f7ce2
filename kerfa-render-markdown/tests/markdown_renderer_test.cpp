#include "kerfa_render_markdown/markdown_renderer.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "kerfa_content/testing/model.hpp"
#include "kerfa_content/testing/writer_cases.hpp"

namespace kerfa_render_markdown {
namespace {

using kerfa_content::data::structure::DataList;

using namespace kerfa_content::testing;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace pk = kerfa_content::data::kinds::property_kind;
using kerfa_content::data::attributes::BulletStyle;
using kerfa_content::data::attributes::NamedColor;
using kerfa_content::types::Source;

std::string md(std::span<const Data> items) {
    return MarkdownRenderer().render_all(items);
}

Data entry(DataList children) {
    return block(bk::BULLET_ENTRY, std::move(children));
}

Data bullets(DataList entries, std::optional<Attributes> attributes = std::nullopt) {
    return block(bk::BULLET, std::move(entries), std::move(attributes));
}

Data quote(DataList children) {
    return block(bk::BLOCK_QUOTE, std::move(children));
}

Data cell(std::string value, kerfa_content::data::kinds::BlockKind kind = bk::TABLE_ENTRY) {
    return block(kind, list(text(std::move(value))));
}

Data row(DataList cells) {
    return block(bk::TABLE_ROW, std::move(cells));
}

Data heading_part(DataList cells) {
    return block(bk::TABLE_HEADING, list(block(bk::TABLE_HEADING_ROW, std::move(cells))));
}

Data table(DataList children = {}) {
    return block(bk::TABLE, std::move(children));
}

// A span of one kind around the text "t".
std::vector<Data> span(kerfa_content::data::kinds::PropertyKind kind,
                       std::optional<Attributes> attributes = std::nullopt,
                       std::string inside = "t") {
    return list(open(kind, std::move(attributes)), text(std::move(inside)), close());
}

TEST(MarkdownRenderer, WritesContent) {
    expect_written(
        MarkdownRenderer(),
        {
            {"six characters are escaped, and \"<\" before what would make it markup",
             [] { return list(text("a*b[c]\\d_e`f#g<h|i~j&k> a < b")); },
             "a\\*b\\[c\\]\\\\d\\_e\\`f#g\\<h|i~j&k> a < b"},
            {"check boxes without a space",
             [] { return list(check(true), check(false), text("a")); }, "[x][ ]a"},
            {"divider", [] { return list(divider()); }, "---"},
            {"raw HTML unchanged", [] { return list(html("<b>*x*</b>")); }, "<b>*x*</b>"},
            {"line breaks",
             [] { return list(text("a"), line_break(), text("b"), line_break(true), text("c")); },
             "a\nb\r\nc"},
            {"headings",
             [] { return list(heading(0), text("A"), line_break(), heading(5), text("F")); },
             "# A\n###### F"},
            {"a tagline's text is ordinary text", [] { return list(tagline(), text("t_")); },
             "t\\_"},
            {"sections that end with a line break",
             [] { return list(section(list(text("a"), line_break())), section(list(text("b")))); },
             "a\nb"},
            {"image from a file", [] { return list(image("a/b.png")); }, "![](a/b.png)"},
            {"image from an address",
             [] { return list(image_source(Source::http("http://x/y_z.png"))); },
             "![](http://x/y_z.png)"},
            {"image with a space", [] { return list(image("a b.png")); }, "![](<a b.png>)"},
            {"image with white space beyond ASCII", [] { return list(image("a\u3000b.png")); },
             "![](<a\u3000b.png>)"},
            {"image without a source", [] { return list(image_source(Source{})); }, "![]()"},
        });
}

TEST(MarkdownRenderer, WritesEachPropertyKind) {
    const auto style = [](std::string css) { return "<span style=\"" + css + "\">t</span>"; };
    expect_written(
        MarkdownRenderer(),
        {
            {"bold", [] { return span(pk::BOLD); }, "**t**"},
            {"italic", [] { return span(pk::ITALIC); }, "_t_"},
            {"strikethrough", [] { return span(pk::STRIKETHROUGH); }, "~~t~~"},
            {"code", [] { return span(pk::CODE); }, "`t`"},
            {"caution", [] { return span(pk::CAUTION); }, style("color: #B39700")},
            {"dim", [] { return span(pk::DIM); }, style("color: #a0a0a0")},
            {"important", [] { return span(pk::IMPORTANT); }, style("color: #E67E00")},
            {"monospace", [] { return span(pk::MONOSPACE); }, style("font-family: monospace")},
            {"note", [] { return span(pk::NOTE); }, style("color: #57902b")},
            {"variable", [] { return span(pk::VARIABLE); }, style("color: #C437FB")},
            {"warning", [] { return span(pk::WARNING); }, style("color: crimson")},
            {"tag", [] { return span(pk::TAG); }, style("background: #e8e8e8")},
            {"font name", [] { return span(pk::FONT_NAME, attrs({attr::text("Fira Code")})); },
             style("font-family: Fira Code")},
            {"font size without a value", [] { return span(pk::FONT_SIZE); }, style("font-size: ")},
            {"highlight", [] { return span(pk::HIGHLIGHT, attrs({attr::text("red")})); },
             "<mark style=\"background: yellow\">t</mark>"},
            {"small", [] { return span(pk::SMALL); }, "<small>t</small>"},
            {"subscript", [] { return span(pk::SUBSCRIPT); }, "<sub>t</sub>"},
            {"superscript", [] { return span(pk::SUPERSCRIPT); }, "<sup>t</sup>"},
            {"underline", [] { return span(pk::UNDERLINE); }, "<u>t</u>"},
            {"background, named",
             [] { return span(pk::BACKGROUND, attrs({attr::color(NamedColor::RebeccaPurple)})); },
             style("background: rebeccapurple")},
            {"badge, value", [] { return span(pk::BADGE, attrs({attr::hex("ff0000")})); },
             style("background: #ff0000")},
            {"color, mixed",
             [] { return span(pk::COLOR, attrs({attr::color(NamedColor::MidYellowGreen)})); },
             style("color: #80FF00")},
            {"color without a value", [] { return span(pk::COLOR); }, style("color: inherit")},
            {"address", [] { return span(pk::ADDRESS); }, "<span>t</span>"},
            {"coordinates", [] { return span(pk::COORDINATES); }, "<span>t</span>"},
            {"fixed", [] { return span(pk::FIXED); }, "<span>t</span>"},
            {"document link: its document only",
             [] { return span(pk::DOCUMENT, attrs({attr::doc_link("notes", "a", "b")})); },
             "[t](notes)"},
            {"document link without a document",
             [] {
                 return span(pk::DOCUMENT,
                             attrs({attr::doc_link(std::nullopt, "a", std::nullopt)}));
             },
             "t"},
            {"document by text", [] { return span(pk::DOCUMENT, attrs({attr::text("my notes")})); },
             "[t](<my notes>)"},
            {"document without a value", [] { return span(pk::DOCUMENT); }, "t"},
            {"document filter", [] { return span(pk::DOCUMENT_FILTER, attrs({attr::text("x")})); },
             "t"},
            {"document select", [] { return span(pk::DOCUMENT_SELECT, attrs({attr::text("x")})); },
             "t"},
            {"email", [] { return span(pk::EMAIL, attrs({attr::text("a@b.c")})); },
             "[t](mailto:a@b.c)"},
            {"link", [] { return span(pk::LINK, attrs({attr::text("http://x/(y)")})); },
             "[t](http://x/(y))"},
            {"telephone", [] { return span(pk::TELEPHONE, attrs({attr::integer(123)})); },
             "[t](tel:123)"},
            {"telephone without a value", [] { return span(pk::TELEPHONE); }, "t"},
            {"an unknown kind", [] { return span(99); }, "t"},
            {"an invalid element", [] { return list(open_invalid("x"), text("t"), close()); }, "t"},
            {"the link text is escaped",
             [] { return span(pk::LINK, attrs({attr::text("u")}), "a_b"); }, "[a\\_b](u)"},
        });
}

TEST(MarkdownRenderer, WritesEachBlockKind) {
    expect_written(
        MarkdownRenderer(),
        {
            {"a list, dash by default",
             [] { return list(bullets(list(entry(list(text("a"))), entry(list(text("b")))))); },
             "- a\n- b"},
            {"decimal counts from its start",
             [] {
                 return list(
                     bullets(list(entry(list(text("a"))), entry(list(text("b")))),
                             attrs({attr::bullet(BulletStyle::Decimal), attr::integer(7)})));
             },
             "7. a\n8. b"},
            {"leading zero is not written",
             [] {
                 return list(bullets(
                     list(entry(list(text("a"))), entry(list(text("b")))),
                     attrs({attr::bullet(BulletStyle::DecimalLeadingZero), attr::integer(5)})));
             },
             "5. a\n6. b"},
            {"other styles write a dash",
             [] {
                 return list(
                     bullets(list(entry(list(text("a"))), entry(list(text("b")))),
                             attrs({attr::bullet(BulletStyle::UpperRoman), attr::integer(3)})));
             },
             "- a\n- b"},
            {"an entry outside a list", [] { return list(entry(list(text("a")))); }, "- a"},
            {"an entry after text on its line starts a new one",
             [] { return list(text("x"), bullets(list(entry(list(text("a")))))); }, "x\n- a"},
            {"a nested list behind an indent",
             [] {
                 return list(bullets(list(entry(list(text("a"))))),
                             block(bk::INDENT, list(bullets(list(entry(list(text("b"))))))));
             },
             "- a\n  - b"},
            {"quotes mark every line",
             [] { return list(quote(list(text("a"), line_break(), text("b")))); }, "> a\n> b"},
            {"nested quotes", [] { return list(quote(list(quote(list(text("a")))))); }, "> > a"},
            {"an indent inside a quote",
             [] {
                 return list(
                     quote(list(block(bk::INDENT, list(text("a"), line_break(), text("b"))))));
             },
             ">   a\n>   b"},
            {"a list inside a quote",
             [] {
                 return list(
                     quote(list(bullets(list(entry(list(text("a"))), entry(list(text("b"))))))));
             },
             "> - a\n> - b"},
            // Every line of a code box stays in the quote, the first and the closing fence too.
            {"a code box inside a quote",
             [] {
                 return list(
                     quote(list(block(bk::CODEBOX, list(text("c"), line_break(), text("d"))))));
             },
             "> ```\n> c\n> d\n> ```"},
            {"an empty last line of code inside a quote",
             [] { return list(quote(list(block(bk::CODEBOX, list(text("c"), line_break()))))); },
             "> ```\n> c\n>\n> ```"},
            {"an empty code box inside a quote and an indent",
             [] { return list(quote(list(block(bk::INDENT, list(block(bk::CODEBOX)))))); },
             ">   ```\n>\n>   ```"},
            {"code is not escaped, emphasis still written",
             [] {
                 return list(
                     block(bk::CODEBOX, list(text("a*b_c"), open(pk::BOLD), text("x"), close())));
             },
             "```\na*b_c**x**\n```"},
            {"a fence longer than any backquote run inside",
             [] {
                 return list(block(bk::CODEBOX, list(text("```bash"), line_break(), text("x"))));
             },
             "````\n```bash\nx\n````"},
            {"card", [] { return list(block(bk::CARD, list(text("a")))); },
             "<div style=\"background: #f0f0f0; border: 1px solid #b0b0b0; border-radius: 0.3em; "
             "padding: 1em\">a</div>"},
            {"plain blocks, standalone headings and unknown kinds write their children",
             [] {
                 return list(block(bk::BLOCK, list(text("a"))),
                             block(bk::STANDALONE_HEADING, list(text("b"))),
                             block(77, list(text("c"))));
             },
             "abc"},
        });
}

TEST(MarkdownRenderer, WritesTables) {
    expect_written(
        MarkdownRenderer(),
        {
            {"a pipe table",
             [] {
                 return list(
                     table(list(heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY),
                                                  cell("b", bk::TABLE_HEADING_ENTRY))),
                                row(list(cell("1"), cell("2"))), row(list(cell("3"), cell("4"))))));
             },
             "| a | b |\n| --- | --- |\n| 1 | 2 |\n| 3 | 4 |"},
            {"one rule per item of the heading row",
             [] {
                 return list(table(list(heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY),
                                                          cell("b", bk::TABLE_HEADING_ENTRY),
                                                          cell("c", bk::TABLE_HEADING_ENTRY))))));
             },
             "| a | b | c |\n| --- | --- | --- |"},
            {"an empty heading row still gets one rule",
             [] { return list(table(list(heading_part({})))); }, "|  |\n| --- |"},
            {"empty cells",
             [] { return list(table(list(row(list(block(bk::TABLE_ENTRY), cell("b")))))); },
             "|  |  |\n| --- | --- |\n|  | b |"},
            {"the heading row comes first, the model's empty rows stay rows",
             [] {
                 return list(table(list(row(list(block(bk::TABLE_ENTRY))),
                                        heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY),
                                                          cell("b", bk::TABLE_HEADING_ENTRY))),
                                        row(list(cell("1"), cell("2"))),
                                        row(list(block(bk::TABLE_ENTRY))))));
             },
             "| a | b |\n| --- | --- |\n|  |\n| 1 | 2 |\n|  |"},
            {"as wide as the widest row",
             [] {
                 return list(table(list(heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY))),
                                        row(list(cell("1"), cell("2"), cell("3"))))));
             },
             "| a |  |  |\n| --- | --- | --- |\n| 1 | 2 | 3 |"},
            {"line breaks: none between rows, HTML's inside a cell",
             [] {
                 return list(table(list(
                     line_break(), heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY))),
                     line_break(),
                     row(list(block(bk::TABLE_ENTRY, list(text("x"), line_break(), text("y"))))),
                     line_break())));
             },
             "| a |\n| --- |\n| x<br>y |"},
            {"a blank line after it, or text would be read as a row",
             [] { return list(table(list(row(list(cell("1"))))), line_break(), text("after")); },
             "|  |\n| --- |\n| 1 |\n\nafter"},
            {"a table holding a table is HTML, and so is the inner one",
             [] {
                 return list(table(list(row(
                     list(block(bk::TABLE_ENTRY, list(table(list(row(list(cell("x|y"))))))))))));
             },
             "<table>\n<tr><td><table>\n<tr><td>x|y</td></tr>\n</table></td></tr>\n</table>"},
            {"a table deeper inside a cell's blocks makes HTML too",
             [] {
                 return list(table(list(heading_part(
                     list(block(bk::TABLE_HEADING_ENTRY,
                                list(block(bk::BLOCK, list(block(bk::BLOCK, list(table())))))))))));
             },
             "<table>\n<thead>\n<tr><th><table>\n</table></th></tr>\n</thead>\n</table>"},
        });
}

// Where the lead ("> " per quote, then the indents) is written, and where it is not.
TEST(MarkdownRenderer, TakesTheLineStart) {
    expect_written(
        MarkdownRenderer(),
        {
            {"every item that begins a line gets the lead",
             [] {
                 return list(
                     quote(list(text("a"), line_break(), check(true), line_break(), divider(),
                                line_break(), html("<i>"), line_break(), image("p.png"),
                                line_break(), open(pk::BOLD), text("b"), close())));
             },
             "> a\n> [x]\n> ---\n> <i>\n>\n> ![](p.png)\n> **b**"},
            {"a heading and a card get it too",
             [] { return list(quote(list(heading(1), text("h"), line_break(), block(bk::CARD)))); },
             "> ## h\n> <div style=\"background: #f0f0f0; border: 1px solid #b0b0b0; "
             "border-radius: 0.3em; padding: 1em\"></div>"},
            {"a span end eats the next line's lead",
             [] {
                 return list(quote(
                     list(text("a"), open(pk::BOLD), text("b"), line_break(), close(), text("c"))));
             },
             "> a**b\n**c"},
            {"so does the end of a heading line",
             [] {
                 return list(quote(
                     list(quote(list(heading(0), text("h"), block(bk::BLOCK, list(line_break())))),
                          text("after"))));
             },
             "> > # h\n\n>\n> after"},
            {"table rows get the lead",
             [] {
                 return list(quote(list(table(list(row(list(cell("a"))), row(list(cell("b"))))))));
             },
             "> |  |\n> | --- |\n> | a |\n> | b |"},
            {"a tagline leaves it",
             [] { return list(quote(list(text("a"), line_break(), tagline(), text("t")))); },
             "> a\n> t"},
            // After the list an empty line, or a reader would go on with its last entry.
            {"a section begins at a line start",
             [] {
                 return list(section(list(text("x"))),
                             section(list(bullets(list(entry(list(text("a"))))))), section(),
                             section(list(text("y"), line_break())), section(list(text("z"))));
             },
             "x\n- a\n\ny\nz"},
            {"an empty line keeps the quote markers",
             [] {
                 return list(quote(
                     list(quote(list(text("a"), line_break(), line_break(true), text("b"))))));
             },
             "> > a\n> >\r\n> > b"},
        });
}

TEST(MarkdownRenderer, InlineCodeIsFencedAndWrittenAsItStands) {
    expect_written(
        MarkdownRenderer(),
        {
            {"not escaped", [] { return span(pk::CODE, std::nullopt, "snake_case *x*"); },
             "`snake_case *x*`"},
            {"a fence longer than any run inside",
             [] { return span(pk::CODE, std::nullopt, "a``b`c"); }, "```a``b`c```"},
            {"a backquote at the start", [] { return span(pk::CODE, std::nullopt, "`a"); },
             "`` `a ``"},
            {"a backquote at the end", [] { return span(pk::CODE, std::nullopt, "a`"); },
             "`` a` ``"},
            {"only backquotes", [] { return span(pk::CODE, std::nullopt, "``"); }, "``` `` ```"},
            {"a blank at both ends", [] { return span(pk::CODE, std::nullopt, " a "); }, "`  a  `"},
            {"a blank at one end only", [] { return span(pk::CODE, std::nullopt, " a"); }, "` a`"},
            {"only blanks", [] { return span(pk::CODE, std::nullopt, "  "); }, "`  `"},
            {"empty", [] { return list(text("a"), open(pk::CODE), close(), text("b")); }, "ab"},
            {"its parts",
             [] {
                 return list(open(pk::CODE), text("a_"), open(pk::ITALIC), text("b"), close(),
                             close(), text("_c"));
             },
             "`a__b_`\\_c"},
            {"nested: only the outermost is fenced",
             [] {
                 return list(open(pk::CODE), text("a`"), open(pk::CODE), text("b"), open(pk::CODE),
                             text("c"), close(), close(), close());
             },
             "``a`bc``"},
            {"after the lead of a quote",
             [] { return list(quote(span(pk::CODE, std::nullopt, "`x"))); }, "> `` `x ``"},
            {"left open: written bare, and text after its list is escaped again",
             [] { return list(block(bk::BLOCK, list(open(pk::CODE), text("a_b"))), text("c_d")); },
             "a_bc\\_d"},
        });
}

TEST(MarkdownRenderer, AutolinksKeepTheirAddress) {
    expect_written(
        MarkdownRenderer(),
        {
            {"a link without a value",
             [] { return span(pk::LINK, std::nullopt, "http://a_b/*c*"); }, "<http://a_b/*c*>"},
            {"an address whose value is its text",
             [] { return list(open_content(pk::LINK), text("http://x_y"), close(), text("_")); },
             "<http://x_y>\\_"},
            {"an e-mail without a value", [] { return span(pk::EMAIL, std::nullopt, "a_b@c.d"); },
             "<a_b@c.d>"},
        });
}

// A code box, pipe table, block quote or heading that follows text on its line starts a new one;
// right after a list label a heading or quote stays there.
TEST(MarkdownRenderer, BlocksAfterTextStartTheirOwnLine) {
    expect_written(
        MarkdownRenderer(),
        {
            {"a code box in a list entry",
             [] {
                 return list(bullets(
                     list(entry(list(text("Install:"), block(bk::CODEBOX, list(text("make")))))),
                     attrs({attr::bullet(BulletStyle::Decimal)})));
             },
             "1. Install:\n   ```\n   make\n   ```"},
            {"a code box right after the label",
             [] { return list(bullets(list(entry(list(block(bk::CODEBOX, list(text("x")))))))); },
             "- ```\n  x\n  ```"},
            {"a pipe table right after the label",
             [] {
                 return list(bullets(list(entry(
                     list(table(list(heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY))))))))));
             },
             "- | a |\n  | --- |"},
            {"a quote right after the label",
             [] { return list(bullets(list(entry(list(quote(list(text("q")))))))); }, "- > q"},
            {"a code box after text at section level",
             [] { return list(text("a"), block(bk::CODEBOX, list(text("x")))); }, "a\n```\nx\n```"},
            {"a code box after text inside a quote",
             [] {
                 return list(quote(list(
                     bullets(list(entry(list(text("t"), block(bk::CODEBOX, list(text("x"))))))))));
             },
             "> - t\n>   ```\n>   x\n>   ```"},
            {"a quote after text",
             [] { return list(bullets(list(entry(list(text("t"), quote(list(text("q")))))))); },
             "- t\n  > q"},
            {"a pipe table after text",
             [] {
                 return list(bullets(list(entry(
                     list(text("t"),
                          table(list(heading_part(list(cell("a", bk::TABLE_HEADING_ENTRY))))))))));
             },
             "- t\n  | a |\n  | --- |"},
            {"a heading after text",
             [] { return list(bullets(list(entry(list(text("t"), heading(1), text("h")))))); },
             "- t\n  ## h"},
            {"a heading right after the label",
             [] { return list(bullets(list(entry(list(heading(0), text("h")))))); }, "- # h"},
            {"a code box after a line break",
             [] { return list(text("a"), line_break(), block(bk::CODEBOX, list(text("x")))); },
             "a\n```\nx\n```"},
        });
}

// An entry's later lines begin at its content column, so that a reader keeps them in the entry.
TEST(MarkdownRenderer, EntriesKeepTheirLaterLines) {
    const auto decimal = [](DataList entries) {
        return bullets(std::move(entries),
                       attrs({attr::bullet(BulletStyle::Decimal), attr::integer(10)}));
    };
    expect_written(
        MarkdownRenderer(),
        {
            {"a second paragraph",
             [] {
                 return list(
                     bullets(list(entry(list(text("a"), line_break(), line_break(), text("b"))),
                                  entry(list(text("c"))))));
             },
             "- a\n\n  b\n- c"},
            {"as wide as the label",
             [&] { return list(decimal(list(entry(list(text("a"), line_break(), text("b")))))); },
             "10. a\n    b"},
            {"a nested list, and the lines of its entries",
             [] {
                 return list(bullets(list(entry(list(
                     text("a"), bullets(list(entry(list(text("b"), line_break(), text("c"))))))))));
             },
             "- a\n  - b\n    c"},
            {"text after a code box starts a line of its own",
             [] {
                 return list(bullets(list(
                     entry(list(text("t"), block(bk::CODEBOX, list(text("x"))), text("after"))))));
             },
             "- t\n  ```\n  x\n  ```\n  after"},
            {"and at section level",
             [] { return list(block(bk::CODEBOX, list(text("x"))), text("after")); },
             "```\nx\n```\nafter"},
            // Texts in different blocks stay apart: right after a list or a quote a line would
            // continue its last paragraph, so an empty line comes first.
            {"text after a list flattened around a nested one",
             [] {
                 return list(bullets(list(entry(list(text("a"))))),
                             block(bk::INDENT, list(bullets(list(entry(list(text("b"))))))),
                             text("c"));
             },
             "- a\n  - b\n\nc"},
            {"the next entry of the flattened list needs no empty line",
             [] {
                 return list(bullets(list(entry(list(text("a"))))),
                             block(bk::INDENT, list(bullets(list(entry(list(text("b"))))))),
                             bullets(list(entry(list(text("c"))))));
             },
             "- a\n  - b\n- c"},
            {"text after a quote, and after an empty line nothing more",
             [] {
                 return list(quote(list(text("q"))), text("r"), quote(list(text("s"))),
                             line_break(), line_break(), text("t"));
             },
             "> q\n\nr\n> s\n\nt"},
            {"a quote opening an entry stays a quote",
             [] {
                 return list(
                     bullets(list(entry(list(quote(list(text("q"), line_break(), text("r"))))))));
             },
             "- > q\n  > r"},
            {"an empty line inside a quote inside an entry",
             [] {
                 return list(bullets(list(entry(list(
                     text("t"), quote(list(text("q"), line_break(), line_break(), text("r"))))))));
             },
             "- t\n  > q\n  >\n  > r"},
        });
}

// An indent writes a tab only right under an entry outside quotes. Elsewhere a tab would make the
// line code, or fall short of a list's content column after the quote markers: blanks instead, as
// wide as the entry just closed at that level, so that a list the reading flattened nests again.
TEST(MarkdownRenderer, IndentsStayInTheirLists) {
    const auto numbered = [](std::string label_text, std::int64_t start = 1) {
        return bullets(list(entry(list(text(std::move(label_text))))),
                       attrs({attr::bullet(BulletStyle::Decimal), attr::integer(start)}));
    };
    const auto indent = [](DataList children) { return block(bk::INDENT, std::move(children)); };
    expect_written(
        MarkdownRenderer(),
        {
            {"right under an entry, a tab",
             [] {
                 return list(bullets(list(
                     entry(list(text("a"), line_break(), block(bk::INDENT, list(text("b"))))))));
             },
             "- a\n  \tb"},
            // A tab from a content column at a fourth would reach four columns past it.
            {"right under an entry four wide, blanks",
             [] {
                 return list(bullets(
                     list(entry(list(text("a"), line_break(), block(bk::INDENT, list(text("b")))))),
                     attrs({attr::bullet(BulletStyle::Decimal), attr::integer(10)})));
             },
             "10. a\n      b"},
            {"an indent inside that one stays short of code",
             [&] {
                 return list(bullets(list(
                     entry(list(text("a"), line_break(), indent(list(indent(list(text("b"))))))))));
             },
             "- a\n  \t b"},
            {"a flattened list back at its entry's content column",
             [&] { return list(numbered("a"), indent(list(numbered("b"))), numbered("c", 2)); },
             "1. a\n   1. b\n2. c"},
            {"two levels flattened",
             [&] {
                 return list(bullets(list(entry(list(text("a"))))), indent(list(numbered("b", 10))),
                             indent(list(indent(list(bullets(list(entry(list(text("c"))))))))));
             },
             "- a\n  10. b\n      - c"},
            {"after a paragraph, text and never code",
             [&] {
                 return list(text("t"), line_break(), line_break(),
                             indent(list(indent(list(indent(list(text("x"))))))));
             },
             "t\n\n   x"},
            // The paragraph between has ended the list for a reader.
            {"a paragraph between forgets the closed entry",
             [&] {
                 return list(numbered("a", 10), text("t"), line_break(), line_break(),
                             indent(list(bullets(list(entry(list(text("c"))))))));
             },
             "10. a\n\nt\n\n  - c"},
            {"inside a quote, to the entry's content column",
             [&] { return list(quote(list(numbered("a"), indent(list(numbered("b")))))); },
             "> 1. a\n>    1. b"},
            {"under an entry inside a quote, two blanks",
             [] {
                 return list(quote(list(bullets(list(
                     entry(list(text("a"), line_break(), block(bk::INDENT, list(text("b"))))))))));
             },
             "> - a\n>     b"},
        });
}

// A reader ends an HTML block only at a blank line.
TEST(MarkdownRenderer, HtmlBlocksEndAtABlankLine) {
    expect_written(
        MarkdownRenderer(),
        {
            {"a block's lines, then a paragraph",
             [] { return list(html("<div>\n"), html("  <p>\n"), html("</div>\n"), text("*x*")); },
             "<div>\n  <p>\n</div>\n\n\\*x\\*"},
            {"HTML alone on its line", [] { return list(html("<div>"), line_break(), text("x")); },
             "<div>\n\nx"},
            {"inline HTML in a paragraph is left as it is",
             [] {
                 return list(text("a "), html("<b>"), text("b"), html("</b>"), line_break(),
                             text("c"));
             },
             "a <b>b</b>\nc"},
            {"at the start of a paragraph too",
             [] { return list(html("<b>"), text("b"), html("</b>"), line_break(), text("c")); },
             "<b>b</b>\nc"},
            {"before a quote the blank line stands outside it",
             [] { return list(html("</p>\n"), quote(list(text("q")))); }, "</p>\n\n> q"},
            {"inside a quote the blank line keeps the marker",
             [] { return list(quote(list(html("<div>\n"), text("x")))); }, "> <div>\n>\n> x"},
        });
}

TEST(MarkdownRenderer, EscapesPipesInPipeTableCells) {
    expect_written(
        MarkdownRenderer(),
        {
            {"text and code",
             [] {
                 return list(table(list(row(list(
                     cell("a|b"), block(bk::TABLE_ENTRY, span(pk::CODE, std::nullopt, "c|d")))))));
             },
             "|  |  |\n| --- | --- |\n| a\\|b | `c\\|d` |"},
            // As written: raw HTML stands as it is (a reader keeps a backslash inside it).
            {"raw HTML is left alone",
             [] {
                 return list(
                     table(list(row(list(block(bk::TABLE_ENTRY, list(html("<i title=\"|\">"))))))));
             },
             "|  |\n| --- |\n| <i title=\"|\"> |"},
            {"outside a table it stays", [] { return list(text("a|b")); }, "a|b"},
        });
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
// enclosing table looks for. Quotes and indents nest in a chain of their own, a line at each
// level: leads go 256 levels deep, so the text grows with the depth, not with its square.
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
        DataList top;
        DataList* tail = &top;
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

    const auto quotes = [&](std::size_t depth) {
        DataList top;
        DataList* tail = &top;
        for (std::size_t level = 0; level < depth; ++level) {
            tail->push_back(block(level % 2 == 0 ? bk::BLOCK_QUOTE : bk::INDENT,
                                  list(text("x"), line_break())));
            tail = &tail->back().as_container()->children();
        }
        return md(top);
    };
    // The lead of each line, from one level to 256; deeper lines have none.
    std::string expected;
    std::string lead;
    for (std::size_t level = 0; level < 300; ++level) {
        lead += level % 2 == 0 ? "> " : "  ";
        expected += (level < 256 ? lead : std::string()) + "x\n";
    }
    EXPECT_EQ(quotes(300), expected);
    EXPECT_EQ(quotes(kDepth).size(), expected.size() + (kDepth - 300) * 2);

    const std::string entries = md(chain({bk::BULLET, bk::BULLET_ENTRY}, text("x")));
    EXPECT_TRUE(entries.starts_with("****\n- ****\n  - ****\n    - **"));
}

}  // namespace
}  // namespace kerfa_render_markdown
