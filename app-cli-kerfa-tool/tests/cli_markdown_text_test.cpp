// End to end on the built binary: Markdown and plain-text files, chosen by their extension.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

const std::string kMarkdown =
    "# Notes\n"
    "\n"
    "Some *text* and a [link](http://x.y/a%20b).\n"
    "\n"
    "- one\n"
    "- [x] two\n"
    "\n"
    "## Part\n"
    "\n"
    "> quoted\n";

const std::string kText = "first line\n<b>not markup</b>\n\nlast\n";

std::string heading(const std::string& name) {
    return "\x1b[92m\u2500\u2500  " + name + "  \u2500\u2500\u2500\u2500\u2500\u2500\x1b[0m\n\n";
}

TEST(CliMarkdownText, MarkdownFile) {
    e2e::TempDir dir;
    const std::string path = dir.write("notes.md", kMarkdown).string();

    // What the kerfa command prints is in examples/kerfa/documents.example.
    const e2e::Run kerfa = e2e::run_tool({"kerfa", path});
    EXPECT_EQ(kerfa.err, "");
    EXPECT_EQ(kerfa.status, 0);

    const e2e::Run html = e2e::run_tool({"html", path});
    EXPECT_NE(html.out.find("<section id=\"0\"><h1>Notes</h1>\n\nSome <em>text</em> and a <a "
                            "class=\"link\" href=\"http://x.y/a b\">link</a>."),
              std::string::npos)
        << html.out;
    EXPECT_NE(html.out.find("<li><input type=\"checkbox\" checked>  two</li></ul>"),
              std::string::npos);
    EXPECT_NE(html.out.find("<section id=\"1\"><h2>Part</h2>\n\n<blockquote>quoted</blockquote>"
                            "</section>"),
              std::string::npos);

    const e2e::Run test = e2e::run_tool({"test", path});
    EXPECT_EQ(test.out, "\n" + heading("notes.md") + "Valid Document \U0001F44D\n");

    const e2e::Run section = e2e::run_tool({"source", "--section=Part", path});
    EXPECT_EQ(section.out, "## Part\n\n> quoted\n");
    EXPECT_EQ(e2e::run_tool({"source", "--section=1", path}).out, "## Part\n\n> quoted\n");
    EXPECT_EQ(section.status, 0);
}

TEST(CliMarkdownText, PlainTextFile) {
    e2e::TempDir dir;
    const std::string path = dir.write("notes.txt", kText).string();

    const e2e::Run html = e2e::run_tool({"html", path});
    EXPECT_NE(html.out.find("&lt;b&gt;not markup&lt;/b&gt;"), std::string::npos) << html.out;
    EXPECT_EQ(e2e::run_tool({"test", path}).out,
              "\n" + heading("notes.txt") + "Valid Document \U0001F44D\n");
    // One section per line: section 3 is the fourth line.
    EXPECT_EQ(e2e::run_tool({"source", "--section=3", path}).out, "last\n");
    EXPECT_EQ(e2e::run_tool({"source", "--section=1", path}).out, "<b>not markup</b>\n");
}

// The extension is compared lower-cased; no extension means plain text.
TEST(CliMarkdownText, ParserChoiceByExtension) {
    e2e::TempDir dir;
    const std::string as_markdown =
        e2e::run_tool({"kerfa", dir.write("notes.md", kMarkdown).string()}).out;
    EXPECT_TRUE(as_markdown.starts_with("# Notes\n\nSome <italic>text<>")) << as_markdown;
    EXPECT_EQ(e2e::run_tool({"kerfa", dir.write("NOTES.MD", kMarkdown).string()}).out, as_markdown);
    EXPECT_EQ(e2e::run_tool({"kerfa", dir.write("notes", "# A\n").string()}).out,
              "<fixed>\\# A<>\n");
    EXPECT_EQ(e2e::run_tool({"kerfa", dir.write("notes.KFA", "# A\n").string()}).out, "# A\n\n");
}

TEST(CliMarkdownText, GuardMessageShownByTest) {
    e2e::TempDir dir;
    std::string deep;
    for (int i = 0; i < 257; ++i) {
        deep += "- ";
    }
    const std::string path = dir.write("deep.md", deep + "x\n").string();
    const e2e::Run run = e2e::run_tool({"test", path});
    EXPECT_EQ(run.out, "\n" + heading("deep.md") +
                           "\x1b[1m\x1b[91mErrors Found:\x1b[0m\n\n\n"
                           "  Markdown too complex to read in full: read as plain text.\n\n");
    EXPECT_EQ(run.status, 0);
}

}  // namespace
