// End to end on the built binary: the plain-text, headings-list and Markdown conversions, byte
// for byte, to standard output (with the one added line feed) and to a file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

// A carriage return and line feed, a lone carriage return, spans, a numbered list, a table with a
// pipe in a cell and a code box.
constexpr std::string_view kKerfa =
    "# Title\r\nSome <b>bold_x<> text.\rlone\n## Sub\n<bullet decimal 3>one\ntwo<>\n"
    "<table><heading>A<|>B<>\n1<|>a|b<>\n<codebox>x_y<>\n";

// Headings, emphasis, inline code, a link with a space, a numbered task list holding a nested
// list, a quote holding a list and a table with a pipe and an empty cell.
constexpr std::string_view kMarkdown =
    "#  Notes  \n\nSome *text*, `snake_case` and a [link](http://x.y/a%20b).\n\n1. one\n"
    "2. [x] two\n   - nested\n\n## Part\n\n> quoted\n> - item\n\n| a | b |\n| --- | --- |\n"
    "| 1 \\| 2 |  |\n";

class CliTextMarkdown : public testing::Test {
  protected:
    void SetUp() override {
        dir_.write("a.kerfa", kKerfa);
        dir_.write("b.md", kMarkdown);
        dir_.write("c.txt", "first *line*\n\nlast\n");
    }

    e2e::Run run(const std::vector<std::string>& line) const {
        e2e::Options options;
        options.cwd = dir_.path();
        return e2e::run_tool(line, options);
    }

    // The conversion to standard output under every name, and to a file.
    void expect_conversion(const std::vector<std::string>& names, const std::string& expected,
                           const std::string& input = "a.kerfa") {
        for (const std::string& name : names) {
            const e2e::Run printed = run({name, input});
            EXPECT_EQ(printed.out, expected + "\n") << name;
            EXPECT_EQ(printed.err, "") << name;
            EXPECT_EQ(printed.status, 0) << name;
        }
        const std::string target = (dir_.path() / "out.txt").string();
        const e2e::Run written = run({names.front(), input, target});
        EXPECT_EQ(written.out, "Done.\n");
        EXPECT_EQ(written.status, 0);
        EXPECT_EQ(e2e::read_file(target), expected);
    }

    e2e::TempDir dir_;
};

TEST_F(CliTextMarkdown, PlainText) {
    expect_conversion({"text", "txt"},
                      "# Title\r\nSome bold_x text.\r\nlone\n\n## Sub\n3. one\n4. two\nA\tB\n"
                      "1\ta|b\n\nx_y\n\n");
}

TEST_F(CliTextMarkdown, HeadingsList) {
    expect_conversion({"headings"}, "Title\n\tSub");
}

TEST_F(CliTextMarkdown, Markdown) {
    expect_conversion({"markdown", "md"},
                      "# Title\r\nSome **bold\\_x** text.\r\nlone\n## Sub\n3. one\n4. two\n\n"
                      "| A | B |\n| --- | --- |\n| 1 | a\\|b |\n\n```\nx_y\n```\n");
}

// Markdown in, Markdown out: a nested list back at its entry's content column, the quote's empty
// line marked.
TEST_F(CliTextMarkdown, MarkdownFile) {
    const std::string markdown =
        "# Notes\n\nSome _text_, `snake_case` and a [link](<http://x.y/a b>).\n\n1. one\n"
        "2. [x]  two\n   - nested\n\n## Part\n\n> quoted\n>\n> - item\n\n| a | b |\n"
        "| --- | --- |\n| 1 \\| 2 |  |";
    expect_conversion({"md"}, markdown, "b.md");
    // Written again, it stays the same.
    dir_.write("again.md", markdown);
    EXPECT_EQ(run({"md", "again.md"}).out, markdown + "\n");

    expect_conversion({"txt"},
                      "# Notes\n\nSome text, snake_case and a link.\n\n1. one\n2. [x]  two    "
                      "\u2022 nested\n\n\n## Part\n\n\nquoted\n\n\u2022 item\n\n\na\tb\n1 | 2\t",
                      "b.md");
    expect_conversion({"headings"}, "Notes\n\tPart", "b.md");
}

// A plain-text file is one section per line: each line stays a line of its own.
TEST_F(CliTextMarkdown, PlainTextFile) {
    expect_conversion({"md"}, "<span>first \\*line\\*</span>\n\n<span>last</span>\n", "c.txt");
    expect_conversion({"txt"}, "first *line*\n\nlast\n", "c.txt");
    expect_conversion({"headings"}, "", "c.txt");
}

}  // namespace
