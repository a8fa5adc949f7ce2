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

class CliTextMarkdown : public testing::Test {
  protected:
    void SetUp() override { dir_.write("a.kerfa", kKerfa); }

    e2e::Run run(const std::vector<std::string>& line) const {
        e2e::Options options;
        options.cwd = dir_.path();
        return e2e::run_tool(line, options);
    }

    // The conversion to standard output under every name, and to a file.
    void expect_conversion(const std::vector<std::string>& names, const std::string& expected) {
        for (const std::string& name : names) {
            const e2e::Run printed = run({name, "a.kerfa"});
            EXPECT_EQ(printed.out, expected + "\n") << name;
            EXPECT_EQ(printed.err, "") << name;
            EXPECT_EQ(printed.status, 0) << name;
        }
        const std::string target = (dir_.path() / "out.txt").string();
        const e2e::Run written = run({names.front(), "a.kerfa", target});
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
                      "# Title\r\nSome **bold\\_x** text.\r\nlone\n## Sub\n3. one\n4. two\n"
                      "| A | B |\n| --- | --- |\n| 1 | a\\|b |\n```\nx_y\n```\n");
}

}  // namespace
