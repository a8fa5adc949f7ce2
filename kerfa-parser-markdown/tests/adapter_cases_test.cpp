// The engine's callbacks as events: input -> event list, one table per family of cases.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "event_text.hpp"
#include "events/adapter.hpp"

namespace kerfa_parser_markdown::testing {
namespace {

struct Case {
    std::string input;
    std::string expected;
};

void expect_events(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const EventList list = events::read_events(c.input);
        EXPECT_EQ(events_text(list), c.expected) << "input: " << quoted(c.input);
        EXPECT_FALSE(list.message.has_value()) << quoted(c.input);
    }
}

TEST(AdapterEvents, TextsMergedAcrossEscapesAndEntities) {
    expect_events({
        {"a\\*b[c]d&amp;e", R"(Start(Paragraph) Text("a*b[c]d&e") End(Paragraph))"},
    });
}

TEST(AdapterEvents, TightListsGiveNoParagraphs) {
    expect_events({
        {"- a\n- b\n",
         R"(Start(List(None)) Start(Item) Text("a") End(Item) Start(Item) Text("b") End(Item) End(List))"},
        {"- a\n\n- b\n",
         R"(Start(List(None)) Start(Item) Start(Paragraph) Text("a") End(Paragraph) End(Item) Start(Item) Start(Paragraph) Text("b") End(Paragraph) End(Item) End(List))"},
        {"- a\n  > q\n- b\n",
         R"(Start(List(None)) Start(Item) Text("a") Start(BlockQuote) Start(Paragraph) Text("q") End(Paragraph) End(BlockQuote) End(Item) Start(Item) Text("b") End(Item) End(List))"},
        {"1. a\n\n   b\n",
         R"(Start(List(Some(1))) Start(Item) Start(Paragraph) Text("a") End(Paragraph) Start(Paragraph) Text("b") End(Paragraph) End(Item) End(List))"},
    });
}

TEST(AdapterEvents, HeadingsStartAtTheirLine) {
    expect_events({
        {"x\n\n   ## Title ##\n",
         R"(Start(Paragraph) Text("x") End(Paragraph) Start(Heading(2), r=3) Text("Title") End(Heading))"},
        {"Foo\nbar\n===\n",
         R"(Start(Heading(1), r=0) Text("Foo") SoftBreak Text("bar") End(Heading))"},
        {"[r]: /u\nFoo\n---\n", R"(Start(Heading(2), r=8) Text("Foo") End(Heading))"},
        {"a\r\n\r\n# H\r\n",
         R"(Start(Paragraph) Text("a") End(Paragraph) Start(Heading(1), r=5) Text("H") End(Heading))"},
        {"#\n", R"(Start(Heading(1), r=0) End(Heading))"},
        {"> # In quote\n",
         R"(Start(BlockQuote) Start(Heading(1), r=0) Text("In quote") End(Heading) End(BlockQuote))"},
        {"\xEF\xBB\xBF# Title\n", R"(Start(Heading(1), r=0) Text("Title") End(Heading))"},
        {"\xEF\xBB\xBF"
         "a\n# T\n",
         R"(Start(Paragraph) Text("a") End(Paragraph) Start(Heading(1), r=5) Text("T") End(Heading))"},
        {"a\n\n# ![](i.png)\n",
         R"(Start(Paragraph) Text("a") End(Paragraph) Start(Heading(1), r=3) Start(Image "i.png") End(Image) End(Heading))"},
        {"a\n\n![](i.png)\n===\n",
         R"(Start(Paragraph) Text("a") End(Paragraph) Start(Heading(1), r=3) Start(Image "i.png") End(Image) End(Heading))"},
        // Headings without text of their own, one after another: each scan starts where the
        // last one stopped.
        {"#\n##\n\n# [](u)\n",
         R"(Start(Heading(1), r=0) End(Heading) Start(Heading(2), r=2) End(Heading) Start(Heading(1), r=6) Start(Link "u") End(Link) End(Heading))"},
    });
}

TEST(AdapterEvents, ListsCarryTheirStartNumber) {
    expect_events({
        {"7. a\n8. b\n\n0) c\n\n- d\n",
         R"(Start(List(Some(7))) Start(Item) Text("a") End(Item) Start(Item) Text("b") End(Item) End(List) Start(List(Some(0))) Start(Item) Text("c") End(Item) End(List) Start(List(None)) Start(Item) Text("d") End(Item) End(List))"},
        {"1. a\n   - b\n2. c\n",
         R"(Start(List(Some(1))) Start(Item) Text("a") Start(List(None)) Start(Item) Text("b") End(Item) End(List) End(Item) Start(Item) Text("c") End(Item) End(List))"},
    });
}

TEST(AdapterEvents, TaskListMarkers) {
    expect_events({
        {"- [ ] a\n- [x] b\n",
         R"(Start(List(None)) Start(Item) TaskListMarker(false) Text("a") End(Item) Start(Item) TaskListMarker(true) Text("b") End(Item) End(List))"},
        {"- [X] a\n\n- [ ] b\n",
         R"(Start(List(None)) Start(Item) Start(Paragraph) TaskListMarker(true) Text("a") End(Paragraph) End(Item) Start(Item) Start(Paragraph) TaskListMarker(false) Text("b") End(Paragraph) End(Item) End(List))"},
        {"- [ ]\n  text\n",
         R"(Start(List(None)) Start(Item) TaskListMarker(false) Text("text") End(Item) End(List))"},
        {"- [x] \n", R"(Start(List(None)) Start(Item) TaskListMarker(true) End(Item) End(List))"},
        {"> - [x] q\n",
         R"(Start(BlockQuote) Start(List(None)) Start(Item) TaskListMarker(true) Text("q") End(Item) End(List) End(BlockQuote))"},
        {"- [x] Title\n  ---\n",
         R"(Start(List(None)) Start(Item) Start(Heading(2), r=0) TaskListMarker(true) Text("Title") End(Heading) End(Item) End(List))"},
        {"- [ ] see [x]\n",
         R"(Start(List(None)) Start(Item) TaskListMarker(false) Text("see [x]") End(Item) End(List))"},
        {"- [x]a\n- [ ]\n",
         R"(Start(List(None)) Start(Item) Text("[x]a") End(Item) Start(Item) TaskListMarker(false) End(Item) End(List))"},
        {"- a\n  - [x] b\n",
         R"(Start(List(None)) Start(Item) Text("a") Start(List(None)) Start(Item) TaskListMarker(true) Text("b") End(Item) End(List) End(Item) End(List))"},
        {"- - [ ] a\n",
         R"(Start(List(None)) Start(Item) Start(List(None)) Start(Item) TaskListMarker(false) Text("a") End(Item) End(List) End(Item) End(List))"},
        {"> - [x] T\n>   ---\n",
         R"(Start(BlockQuote) Start(List(None)) Start(Item) Start(Heading(2), r=0) TaskListMarker(true) Text("T") End(Heading) End(Item) End(List) End(BlockQuote))"},
        {"> - [x] t\n>   a | b\n>   --|--\n",
         R"(Start(BlockQuote) Start(List(None)) Start(Item) TaskListMarker(true) Text("t") SoftBreak Text("a | b") SoftBreak Text("--|--") End(Item) End(List) End(BlockQuote))"},
        {"- [x]", R"(Start(List(None)) Start(Item) TaskListMarker(true) End(Item) End(List))"},
        {"- [\t] a\n", R"(Start(List(None)) Start(Item) Text("[\t] a") End(Item) End(List))"},
    });
}

TEST(AdapterEvents, CodeBlocks) {
    expect_events({
        {"```rust\nfn a() {}\n\nlet b;\n```\n",
         R"(Start(CodeBlock) Text("fn a() {}\n\nlet b;\n") End(CodeBlock))"},
        {"```\r\na\r\nb\r\n```\r\n", R"(Start(CodeBlock) Text("a\nb\n") End(CodeBlock))"},
        {"```\na\nb", R"(Start(CodeBlock) Text("a\nb") End(CodeBlock))"},
        {"```\na\n```", R"(Start(CodeBlock) Text("a\n") End(CodeBlock))"},
        {"    a\n\n    b\n", R"(Start(CodeBlock) Text("a\n\nb\n") End(CodeBlock))"},
        {"```\n```\n", R"(Start(CodeBlock) End(CodeBlock))"},
        // Tabs of the indentation as written; one cut by the container's indent as spaces.
        {"```\n\tgcc x\n  \ty\n```\n",
         R"(Start(CodeBlock) Text("\tgcc x\n  \ty\n") End(CodeBlock))"},
        {"    \tz\n\t\tw\n", R"(Start(CodeBlock) Text("\tz\n\tw\n") End(CodeBlock))"},
        {"- x\n\n\t\tcode\n",
         R"(Start(List(None)) Start(Item) Start(Paragraph) Text("x") End(Paragraph) Start(CodeBlock) Text("  code\n") End(CodeBlock) End(Item) End(List))"},
        {"> ```\n>\tx\n> ```\n",
         R"(Start(BlockQuote) Start(CodeBlock) Text("  x\n") End(CodeBlock) End(BlockQuote))"},
        {"`a\tb`  ` \tc `\n",
         R"(Start(Paragraph) Code("a\tb") Text("  ") Code("\tc") End(Paragraph))"},
    });
}

TEST(AdapterEvents, HtmlBlocksOneEventPerLine) {
    expect_events({
        {"<div>\n*a*\n</div>\n",
         R"(Start(HtmlBlock) Html("<div>\n") Html("*a*\n") Html("</div>\n") End(HtmlBlock))"},
        {"  <div>\n  x\n",
         R"(Start(HtmlBlock) Text("  ") Html("<div>\n") Html("  x\n") End(HtmlBlock))"},
        {"<div>\r\nx\r\n</div>\r\n",
         R"(Start(HtmlBlock) Html("<div>") Html("\n") Html("x") Html("\n") Html("</div>") Html("\n") End(HtmlBlock))"},
        {"a\n\n<!-- c -->",
         R"(Start(Paragraph) Text("a") End(Paragraph) Start(HtmlBlock) Html("<!-- c -->") End(HtmlBlock))"},
        {"* <foo>\n\t<bar>\n",
         R"(Start(List(None)) Start(Item) Start(HtmlBlock) Html("<foo>\n") Html("  <bar>\n") End(HtmlBlock) End(Item) End(List))"},
        // A blank line inside a block that blank lines do not end.
        {"<pre>\na\n\nb\n</pre>\n",
         R"(Start(HtmlBlock) Html("<pre>\n") Html("a\n") Html("\n") Html("b\n") Html("</pre>\n") End(HtmlBlock))"},
    });
}

TEST(AdapterEvents, InlineCodeHtmlTextBreaksAndEntities) {
    expect_events({
        {"x `a  b` `` c`d ``\n",
         R"(Start(Paragraph) Text("x ") Code("a  b") Text(" ") Code("c`d") End(Paragraph))"},
        {"a <b>c</b> <!-- d -->\n",
         R"(Start(Paragraph) Text("a ") InlineHtml("<b>") Text("c") InlineHtml("</b>") Text(" ") InlineHtml("<!-- d -->") End(Paragraph))"},
        {"a <span\r\nclass=\"x\">\r\n",
         R"(Start(Paragraph) Text("a ") InlineHtml("<span\nclass=\"x\">") End(Paragraph))"},
        {"&amp; &copy; &#35; &#0; &bogus; \\* \\a\n",
         R"(Start(Paragraph) Text("& © # � &bogus; * \\a") End(Paragraph))"},
        {"&NotEqualTilde; &#x110000; &#xD800; &#87654321; &ampx;\n",
         "Start(Paragraph) Text(\"\xE2\x89\x82\xCC\xB8 \xEF\xBF\xBD \xEF\xBF\xBD &#87654321; "
         "&ampx;\") End(Paragraph)"},
        {"`&amp;` [l](/u?x=1&amp;y=%20 \"t\")\n",
         R"(Start(Paragraph) Code("&amp;") Text(" ") Start(Link "/u?x=1&y=%20") Text("l") End(Link) End(Paragraph))"},
        {"a\nb  \nc\\\nd\t \ne\n",
         R"(Start(Paragraph) Text("a") SoftBreak Text("b") HardBreak Text("c") HardBreak Text("d") SoftBreak Text("e") End(Paragraph))"},
        {"a  \n", R"(Start(Paragraph) Text("a") End(Paragraph))"},
        // A comment over several lines is HTML, when its inside is one; unclosed, it is text.
        {"listed in [x][y]<!--\nignore -->. We\n\n[y]: /u\n",
         R"(Start(Paragraph) Text("listed in ") Start(Link "/u") Text("x") End(Link) InlineHtml("<!--\nignore -->") Text(". We") End(Paragraph))"},
        {"> g <!--\n> h\n>   i --> j <!--\nk\n",
         R"(Start(BlockQuote) Start(Paragraph) Text("g ") InlineHtml("<!--\nh\ni -->") Text(" j <!--") SoftBreak Text("k") End(Paragraph) End(BlockQuote))"},
        {"a <!--\nb -- x --> *e*\n",
         R"(Start(Paragraph) Text("a <!--") SoftBreak Text("b -- x --> ") Start(Emphasis) Text("e") End(Emphasis) End(Paragraph))"},
        {"a <!--\n*b* -->\n",
         R"(Start(Paragraph) Text("a <!--") SoftBreak Start(Emphasis) Text("b") End(Emphasis) Text(" -->") End(Paragraph))"},
    });
}

TEST(AdapterEvents, EmphasisAndStrikethrough) {
    expect_events({
        {"from 5~10 and 20~30\n",
         R"(Start(Paragraph) Text("from 5") Start(Strikethrough) Text("10 and 20") End(Strikethrough) Text("30") End(Paragraph))"},
        {"~~a~~ ~b~ ~~~c~~~\n",
         R"(Start(Paragraph) Start(Strikethrough) Text("a") End(Strikethrough) Text(" ") Start(Strikethrough) Text("b") End(Strikethrough) Text(" ~~~c~~~") End(Paragraph))"},
        {"x~~!~~. y~!~.\n",
         R"(Start(Paragraph) Text("x") Start(Strikethrough) Text("!") End(Strikethrough) Text(". y") Start(Strikethrough) Text("!") End(Strikethrough) Text(".") End(Paragraph))"},
        {"| a |\n|---|\n| ~~b~~ |\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) Start(TableRow) Start(TableCell) Start(Strikethrough) Text("b") End(Strikethrough) End(TableCell) End(TableRow) End(Table))"},
        {"*a* **b**\n",
         R"(Start(Paragraph) Start(Emphasis) Text("a") End(Emphasis) Text(" ") Start(Strong) Text("b") End(Strong) End(Paragraph))"},
    });
}

TEST(AdapterEvents, LinksAndImages) {
    expect_events({
        {"<http://a.b/c> <x@y.z> [q](mailto:x@y.z)\n",
         R"(Start(Paragraph) Start(Link "http://a.b/c") Text("http://a.b/c") End(Link) Text(" ") Start(Link "mailto:x@y.z") Text("x@y.z") End(Link) Text(" ") Start(Link "mailto:x@y.z") Text("q") End(Link) End(Paragraph))"},
        {"![a *b* `c`](i%20j.png \"t\")\n",
         R"(Start(Paragraph) Start(Image "i%20j.png") Text("a ") Start(Emphasis) Text("b") End(Emphasis) Text(" ") Code("c") End(Image) End(Paragraph))"},
        {"[a][r] ![b][r]\n\n[r]: /u&amp;v\n",
         R"(Start(Paragraph) Start(Link "/u&v") Text("a") End(Link) Text(" ") Start(Image "/u&v") Text("b") End(Image) End(Paragraph))"},
    });
}

TEST(AdapterEvents, Tables) {
    expect_events({
        {"| a | b |\n|:--|--:|\n| 1 |\n| 2 | 3 | 4 |\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) Start(TableCell) Text("b") End(TableCell) End(TableHead) Start(TableRow) Start(TableCell) Text("1") End(TableCell) Start(TableCell) End(TableCell) End(TableRow) Start(TableRow) Start(TableCell) Text("2") End(TableCell) Start(TableCell) Text("3") End(TableCell) End(TableRow) End(Table))"},
        {"| a |\n|---|\n| `x\\|y` |\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) Start(TableRow) Start(TableCell) Code("x|y") End(TableCell) End(TableRow) End(Table))"},
        {"foo\n|---|\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("foo") End(TableCell) End(TableHead) End(Table))"},
    });
}

TEST(AdapterEvents, TablesAfterParagraphTextAndShortDelimiters) {
    expect_events({
        {"text\n| a | b |\n|---|---|\n",
         R"(Start(Paragraph) Text("text") End(Paragraph) Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) Start(TableCell) Text("b") End(TableCell) End(TableHead) End(Table))"},
        {"a | b\n-|-\n1 |\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) Start(TableCell) Text("b") End(TableCell) End(TableHead) Start(TableRow) Start(TableCell) Text("1") End(TableCell) Start(TableCell) End(TableCell) End(TableRow) End(Table))"},
        {"> text\n> | a |\n> |:-|\n",
         R"(Start(BlockQuote) Start(Paragraph) Text("text") End(Paragraph) Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table) End(BlockQuote))"},
        {"- text\n  | a |\n  |---|\n",
         R"(Start(List(None)) Start(Item) Text("text") Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table) End(Item) End(List))"},
        {"1. a | b\n   --|--\n",
         R"(Start(List(Some(1))) Start(Item) Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) Start(TableCell) Text("b") End(TableCell) End(TableHead) End(Table) End(Item) End(List))"},
        {"[r]: /u\n| a |\n|---|\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table))"},
        {"a `b\n| c` |\n|---|\n",
         R"(Start(Paragraph) Text("a `b") End(Paragraph) Start(Table) Start(TableHead) Start(TableCell) Text("c`") End(TableCell) End(TableHead) End(Table))"},
        {"text\na | b\n--|--\n",
         R"(Start(Paragraph) Text("text") SoftBreak Text("a | b") SoftBreak Text("--|--") End(Paragraph))"},
        {"text\n| a | b |\n|---|\n",
         R"(Start(Paragraph) Text("text") SoftBreak Text("| a | b |") SoftBreak Text("|---|") End(Paragraph))"},
        {"- text\n| a |\n|---|\n",
         R"(Start(List(None)) Start(Item) Text("text") SoftBreak Text("| a |") SoftBreak Text("|---|") End(Item) End(List))"},
        {"text\n    | a |\n    |---|\n",
         R"(Start(Paragraph) Text("text") SoftBreak Text("| a |") SoftBreak Text("|---|") End(Paragraph))"},
        {"text\n| a |\n|-|\n\n# H\n",
         R"(Start(Paragraph) Text("text") End(Paragraph) Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table) Start(Heading(1), r=16) Text("H") End(Heading))"},
        // A repair whose table does not come: the first parse stands.
        {"1. |  |\n   |:-\n",
         R"(Start(List(Some(1))) Start(Item) Text("|  |") SoftBreak Text("|:-") End(Item) End(List))"},
    });
}

TEST(AdapterEvents, AdjacentPipesKeepTheirEmptyCell) {
    expect_events({
        {"|a||c|\n|---|---|---|\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) Start(TableCell) End(TableCell) Start(TableCell) Text("c") End(TableCell) End(TableHead) End(Table))"},
        {"| a | b | c |\n|---|---|---|\n|1||3|\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) Start(TableCell) Text("b") End(TableCell) Start(TableCell) Text("c") End(TableCell) End(TableHead) Start(TableRow) Start(TableCell) Text("1") End(TableCell) Start(TableCell) End(TableCell) Start(TableCell) Text("3") End(TableCell) End(TableRow) End(Table))"},
        // In a table that is itself repaired.
        {"text\n|a||c|\n|-|-|-|\n",
         R"(Start(Paragraph) Text("text") End(Paragraph) Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) Start(TableCell) End(TableCell) Start(TableCell) Text("c") End(TableCell) End(TableHead) End(Table))"},
        // An escaped pipe stays text.
        {"| a | b |\n|---|---|\n| x\\|| y |\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) Start(TableCell) Text("b") End(TableCell) End(TableHead) Start(TableRow) Start(TableCell) Text("x|") End(TableCell) Start(TableCell) Text("y") End(TableCell) End(TableRow) End(Table))"},
    });
}

TEST(AdapterEvents, ABlockRightAfterATableEndsIt) {
    expect_events({
        {"| a |\n|---|\n# h\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table) Start(Heading(1), r=12) Text("h") End(Heading))"},
        {"| a |\n|---|\n| 1 |\n```\nx\n```\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) Start(TableRow) Start(TableCell) Text("1") End(TableCell) End(TableRow) End(Table) Start(CodeBlock) Text("x\n") End(CodeBlock))"},
        {"| a |\n|---|\n> q\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table) Start(BlockQuote) Start(Paragraph) Text("q") End(Paragraph) End(BlockQuote))"},
        {"| a |\n|---|\n<div>\n",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table) Start(HtmlBlock) Html("<div>\n") End(HtmlBlock))"},
        {"> | a |\n> |---|\n> # h\n",
         R"(Start(BlockQuote) Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table) Start(Heading(1), r=16) Text("h") End(Heading) End(BlockQuote))"},
        // Inside a list item the line stays a row: a blank line there would loosen the list.
        {"- | a |\n  |---|\n  # h\n",
         R"(Start(List(None)) Start(Item) Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) Start(TableRow) Start(TableCell) Text("# h") End(TableCell) End(TableRow) End(Table) End(Item) End(List))"},
    });
}

TEST(AdapterEvents, ThematicBreaks) {
    expect_events({
        {"a\n\n---\n", R"(Start(Paragraph) Text("a") End(Paragraph) Rule)"},
    });
}

// A long text reaches the importer a batch of events at a time, and a run that finds a repair is
// read again from the repaired text: many copies of one part give the part's events as many
// times, each heading's line shifted by the copies before it. The part holds what may change
// after it is written: headings without text, repairs, HTML blocks.
TEST(AdapterEvents, LongTextsGiveTheEventsOfTheirParts) {
    const std::string part =
        "x\n\n#\n\n| a |\n|-|\n|b||c|\n# h\n\ntext\n| a |\n|---|\n\n<div>\n\n"
        "> q\n> | a |\n> |:-|\n\n# [](u)\n";
    const EventList one = events::read_events(part);
    EventList expected;
    std::string whole;
    for (int copy = 0; copy < 300; ++copy) {
        for (Event e : one.events) {
            if (e.kind == EventKind::StartHeading) {
                e.value += static_cast<std::uint32_t>(whole.size());
            }
            expected.events.push_back(e);
        }
        whole += part;
    }
    const EventList read = events::read_events(whole);
    EXPECT_FALSE(read.message.has_value());
    EXPECT_EQ(events_text(read), events_text(expected));
}

}  // namespace
}  // namespace kerfa_parser_markdown::testing
