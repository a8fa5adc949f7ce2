// End to end on the built binary: minimalist Kerfa, Kerfa V1, the structure dump and the
// indented view, from Kerfa, Markdown and plain-text files, to a file. What each prints for
// these documents is in examples/<writer>/documents.example.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "e2e.hpp"

namespace {

const std::string kKerfa =
    "<meta>Title: Demo<>\n"
    "# Intro\n"
    "Some <b>bold<> and <red>red<> \\#tag <nope>lost<>.\r\n"
    "<bullet dash>one\n"
    "two<>\n"
    "<table><heading>h1<|>h2<>\n"
    "a<|>b\n"
    "<>\n"
    "<img \"a b.png\"><html-block><p class=\"x\">\\\\</p><><check true><divider>\n"
    "## Next\n"
    "<doc notes:?a b>see<> <link>x.org<> <<private>>hidden<<>>kept\n";

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

const std::string kText =
    "first line\n"
    "<b>not markup</b>\n"
    "\n"
    "last\n";

struct Case {
    std::string input;  // file name: its extension chooses the reader
    const std::string* text;
    std::string command;       // short word, to standard output
    std::string long_command;  // long word, to a file
};

TEST(CliViews, EachFormWritesToAFileWhatItPrints) {
    std::vector<Case> cases;
    for (const auto& [input, text] :
         {std::pair{"doc.kerfa", &kKerfa}, std::pair{"notes.md", &kMarkdown},
          std::pair{"notes.txt", &kText}}) {
        cases.push_back({input, text, "min", "kerfa-min"});
        cases.push_back({input, text, "v1", "kerfa-v1"});
        cases.push_back({input, text, "struct", "structure"});
        cases.push_back({input, text, "ind", "kerfa-indented"});
    }
    e2e::TempDir dir;
    for (const Case& c : cases) {
        const std::string what = c.input + " " + c.command;
        dir.write(c.input, *c.text);
        const e2e::Run to_stdout = e2e::run_tool({c.command, c.input}, {.cwd = dir.path()});
        EXPECT_EQ(to_stdout.err, "") << what;
        EXPECT_EQ(to_stdout.status, 0) << what;

        const e2e::Run to_file =
            e2e::run_tool({c.long_command, c.input, "out.txt"}, {.cwd = dir.path()});
        EXPECT_EQ(to_file.out, "Done.\n") << what;
        EXPECT_EQ(to_file.status, 0) << what;
        EXPECT_EQ(e2e::read_file(dir.path() / "out.txt") + "\n", to_stdout.out) << what;
    }
}

// The view writes at most 256 levels of indentation per line: spans nested 5,000 deep give
// about 10 MB, not the 100 MB of blanks that full indentation would take.
TEST(CliViews, TheViewOfDeepSpansStaysSmall) {
    constexpr std::size_t depth = 5000;
    std::string text;
    for (std::size_t i = 0; i < depth; ++i) {
        text += "<b>";
    }
    text += "x";
    e2e::TempDir dir;
    dir.write("deep.kerfa", text);
    const e2e::Run run = e2e::run_tool({"ind", "deep.kerfa"}, {.cwd = dir.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_LT(run.out.size(), 2 * depth * (1024 + 80));
    EXPECT_NE(run.out.find(std::string(1024, ' ') + "\"x\"\n"), std::string::npos);
}

}  // namespace
