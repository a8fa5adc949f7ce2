// Where our events knowingly differ from a CommonMark 0.31 reader with the GitHub extensions:
// one row per known difference, our output as expected, so that a change of the engine or of a
// rule shows here.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "event_text.hpp"
#include "events/adapter.hpp"

namespace kerfa_parser_markdown::testing {
namespace {

struct Row {
    std::string input;
    std::string ours;
};

void expect_rows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        EXPECT_EQ(events_text(events::read_events(row.input)), row.ours)
            << "input: " << quoted(row.input);
    }
}

// Decided here.
TEST(AdapterDifferences, ByChoice) {
    expect_rows({
        {"> # T",
         R"(Start(BlockQuote) Start(Heading(1), r=0) Text("T") End(Heading) End(BlockQuote))"},
        {"\xEF\xBB\xBF# Title", R"(Start(Heading(1), r=0) Text("Title") End(Heading))"},
        {"d\t \ne", R"(Start(Paragraph) Text("d") SoftBreak Text("e") End(Paragraph))"},
        {"a <span\r\nclass=\"x\">",
         R"(Start(Paragraph) Text("a ") InlineHtml("<span\nclass=\"x\">") End(Paragraph))"},
        {std::string("a\0b", 3),
         "Start(Paragraph) Text(\"a\xEF\xBF\xBD"
         "b\") End(Paragraph)"},
    });
}

// The engine follows CommonMark 0.29.
TEST(AdapterDifferences, OlderCommonMark) {
    expect_rows({
        {"*\xC2\xA3*x",
         "Start(Paragraph) Start(Emphasis) Text(\"\xC2\xA3\") End(Emphasis) Text(\"x\") "
         "End(Paragraph)"},
        {"**Note:**\xF0\x9F\x94\xA5 x",
         "Start(Paragraph) Text(\"**Note:**\xF0\x9F\x94\xA5 x\") End(Paragraph)"},
        {"foo <!--> foo -->", R"(Start(Paragraph) Text("foo <!--> foo -->") End(Paragraph))"},
        {"foo <!-- a -- b -->", R"(Start(Paragraph) Text("foo <!-- a -- b -->") End(Paragraph))"},
        {"<!doctype html>", R"(Start(Paragraph) InlineHtml("<!doctype html>") End(Paragraph))"},
        {"<textarea>\na\n\nb\n</textarea>\n",
         R"(Start(HtmlBlock) Html("<textarea>\n") Html("a\n") End(HtmlBlock) Start(Paragraph) Text("b") SoftBreak InlineHtml("</textarea>") End(Paragraph))"},
    });
}

// The engine's own behaviour.
TEST(AdapterDifferences, EngineBehaviour) {
    expect_rows({
        {"<x@y.z>",
         R"(Start(Paragraph) Start(Link "mailto:x@y.z") Text("x@y.z") End(Link) End(Paragraph))"},
        {"5~10 and 20~30",
         R"(Start(Paragraph) Text("5") Start(Strikethrough) Text("10 and 20") End(Strikethrough) Text("30") End(Paragraph))"},
        {"y~!~.",
         R"(Start(Paragraph) Text("y") Start(Strikethrough) Text("!") End(Strikethrough) Text(".") End(Paragraph))"},
        {"foo\n|---|",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("foo") End(TableCell) End(TableHead) End(Table))"},
        {"| a | b |\n| --- |",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table))"},
        {"| `a|b` | c |\n|---|---|",
         R"(Start(Table) Start(TableHead) Start(TableCell) Code("a|b") End(TableCell) Start(TableCell) Text("c") End(TableCell) End(TableHead) End(Table))"},
        {"- | a |\n  |---|\n  # h",
         R"(Start(List(None)) Start(Item) Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) Start(TableRow) Start(TableCell) Text("# h") End(TableCell) End(TableRow) End(Table) End(Item) End(List))"},
        {"a | b\n- | -\n",
         R"(Start(Paragraph) Text("a | b") End(Paragraph) Start(List(None)) Start(Item) Text("| -") End(Item) End(List))"},
        {"| a |\n|-|\n2. | b |\n   |-|",
         R"(Start(Table) Start(TableHead) Start(TableCell) Text("a") End(TableCell) End(TableHead) End(Table) Start(List(Some(2))) Start(Item) Text("| b |") SoftBreak Text("|-|") End(Item) End(List))"},
        {"text\n| a |\n| - - |",
         R"(Start(Paragraph) Text("text") SoftBreak Text("| a |") SoftBreak Text("| - - |") End(Paragraph))"},
        {"- [x]", R"(Start(List(None)) Start(Item) TaskListMarker(true) End(Item) End(List))"},
        {"- [\t] a", R"(Start(List(None)) Start(Item) Text("[\t] a") End(Item) End(List))"},
        {"- [x]\va", "Start(List(None)) Start(Item) Text(\"[x]\va\") End(Item) End(List)"},
        {"- [ ]\n\n  text\n",
         R"(Start(List(None)) Start(Item) Start(Paragraph) TaskListMarker(false) End(Paragraph) Start(Paragraph) Text("text") End(Paragraph) End(Item) End(List))"},
        {"<!-- c -->\n    code\n",
         R"(Start(HtmlBlock) Html("<!-- c -->\n") End(HtmlBlock) Start(Paragraph) Text("code") End(Paragraph))"},
        {"<http://a.b/c?x&amp;y>",
         R"(Start(Paragraph) Start(Link "http://a.b/c?x&y") Text("http://a.b/c?x&amp;y") End(Link) End(Paragraph))"},
    });
}

// What another reader does and we do not.
TEST(AdapterDifferences, NotReproduced) {
    expect_rows({
        {"x `a\n   b` y", R"(Start(Paragraph) Text("x ") Code("a b") Text(" y") End(Paragraph))"},
        {"a <span\n   class=\"x\">",
         R"(Start(Paragraph) Text("a ") InlineHtml("<span\nclass=\"x\">") End(Paragraph))"},
        {"* <foo>\n\t<bar>",
         R"(Start(List(None)) Start(Item) Start(HtmlBlock) Html("<foo>\n") Html("  <bar>") End(HtmlBlock) End(Item) End(List))"},
        {"> \t<div>",
         R"(Start(BlockQuote) Start(HtmlBlock) Html("<div>") End(HtmlBlock) End(BlockQuote))"},
        {"```\ra\rb\r```", R"(Start(CodeBlock) Text("a\nb\n") End(CodeBlock))"},
        {"> text\n| a |\n> |---|",
         R"(Start(BlockQuote) Start(Paragraph) Text("text") SoftBreak Text("| a |") SoftBreak Text("|---|") End(Paragraph) End(BlockQuote))"},
    });
}

}  // namespace
}  // namespace kerfa_parser_markdown::testing
