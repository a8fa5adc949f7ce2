// End to end on the built binary: the canonical Kerfa conversion and the read errors of every
// conversion.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSource =
    "<meta>Title: Demo<>\n"
    "# Intro\n"
    "Some <b>bold<>\\#tag and <nope>lost<>.\r\n"
    "<bullet>one\ntwo<>\n"
    "<table>a<|>b\nc<|><|>\n<>\n"
    "<<private>>hidden<<>>kept\n"
    "## Next\n"
    "<img \"a b.png\">";

class CliKerfa : public testing::Test {
  protected:
    e2e::Run run(const std::vector<std::string>& line) const {
        return e2e::run_tool(line, {.cwd = dir_.path()});
    }
    e2e::TempDir dir_;
};

// What it prints for this document is in examples/kerfa/documents.example.
TEST_F(CliKerfa, WritesToAFileWhatItPrintsAndAgainTheSame) {
    dir_.write("doc.kerfa", kSource);
    const e2e::Run to_stdout = run({"kerfa", "doc.kerfa"});
    EXPECT_EQ(to_stdout.err, "");
    EXPECT_EQ(to_stdout.status, 0);

    const e2e::Run to_file = run({"kerfa", "doc.kerfa", "out.kerfa"});
    EXPECT_EQ(to_file.out, "Done.\n");
    EXPECT_EQ(to_file.status, 0);
    const std::string canonical = e2e::read_file(dir_.path() / "out.kerfa");
    EXPECT_EQ(canonical + "\n", to_stdout.out);

    // Written again, the canonical text is unchanged.
    const e2e::Run again = run({"-s", "kerfa", "out.kerfa", "again.kerfa"});
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(e2e::read_file(dir_.path() / "again.kerfa"), canonical);
}

// What the Kerfa writers write reads back whole: line ends inside texts and list entries are
// escaped, a heading inside a list or quote stays inside it, and an empty link stays empty.
// Where the page can be the same, it is.
TEST_F(CliKerfa, WhatIsWrittenReadsBackWhole) {
    struct Case {
        std::string file;
        std::string input;
        std::string command;
        std::string out;
        bool same_page;
    };
    const std::string steps =
        "1. **Install** the package:\n\n   ```\n   apt install foo\n   ```\n\n"
        "   Then restart.\n2. **Run** it.\n";
    const std::vector<Case> cases = {
        {"steps.md", steps, "kerfa",
         "<bullet decimal><bold>Install<> the package:\\n\\n<codebox>apt install foo<>Then "
         "restart.\n<bold>Run<> it.<>\n",
         true},
        {"steps.md", steps, "kerfa-min",
         "<* decimal><b>Install<> the package:\\n\\n<cb>apt install foo<>Then restart.\n"
         "<b>Run<> it.<>\n",
         true},
        {"crlf.md", "- a  \r\n  b\r\n- c\r\n", "kerfa", "<bullet>a\\nb\nc<>\n", true},
        {"escaped.kerfa", "<bullet>a\\nb\nc<>\n", "kerfa", "<bullet>a\\nb\nc<>\n\n", true},
        {"heading.md", "- # T\n- b\n", "kerfa", "<bullet># T\nb<>\n", false},
        {"quote.md", "> a\n> # T\n", "kerfa", "<blockquote>a\n\n\\# T<>\n", false},
        {"links.kerfa", "<document \"\">t<> <link \"\">u<>\n", "kerfa-min",
         "<doc \"\">t<> <l \"\">u<>\n\n", true},
    };
    for (const Case& c : cases) {
        dir_.write(c.file, c.input);
        const e2e::Run written = run({c.command, c.file});
        EXPECT_EQ(written.out, c.out) << c.file << " " << c.command;
        EXPECT_EQ(written.err, "");
        EXPECT_EQ(written.status, 0);
        // Written to a file and read again, it gives the original page.
        ASSERT_EQ(run({"-s", c.command, c.file, "out.kerfa"}).status, 0);
        if (c.same_page) {
            EXPECT_EQ(run({"html", "out.kerfa"}).out, run({"html", c.file}).out) << c.file;
        }
    }
}

TEST_F(CliKerfa, ThePrivateOptionKeepsPrivateText) {
    dir_.write("doc.kerfa", "a<<p>>b<<>>c\n");
    EXPECT_EQ(run({"kerfa", "doc.kerfa"}).out, "ac\n\n");
    EXPECT_EQ(run({"-p", "kerfa", "doc.kerfa"}).out, "abc\n\n");
}

TEST_F(CliKerfa, ReadErrorsNameThePathOrTheFileName) {
    fs::create_directory(dir_.path() / "folder");
    dir_.write("latin1.kerfa", "caf\xE9");
    struct Case {
        std::string file;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"missing.kerfa", "File not found: missing.kerfa\n\n"},
        {"folder/../missing.kerfa", "File not found: folder/../missing.kerfa\n\n"},
        {"folder/..", "Invalid file path: folder/..\n\n"},
        {".", "Invalid file path: .\n\n"},
        {"./folder", "folder: Is a directory\n\n"},
        {"latin1.kerfa", "latin1.kerfa: stream did not contain valid UTF-8\n\n"},
    };
    for (const Case& c : cases) {
        const e2e::Run result = run({"kerfa", c.file});
        EXPECT_EQ(result.out, c.out) << c.file;
        EXPECT_EQ(result.err, "") << c.file;
        EXPECT_EQ(result.status, 1) << c.file;
    }
}

// "x" inside depth blocks opened with the tag.
std::string nested(std::string_view tag, int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += tag;
    }
    text += "x";
    for (int i = 0; i < depth; ++i) {
        text += "<>";
    }
    return text;
}

TEST_F(CliKerfa, ConvertsDocumentsTwoHundredThousandLevelsDeep) {
    constexpr int depth = 200000;
    const std::string text = nested("<block>", depth);
    dir_.write("deep.kerfa", text);
    const e2e::Run result = run({"kerfa", "deep.kerfa"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, text + "\n");
}

// Every command on a document nested far deeper than any indentation is written: each
// completes, and the indenting views stay in proportion to the input.
TEST_F(CliKerfa, EveryCommandTakesDeepNesting) {
    constexpr int depth = 20000;
    const std::string text = nested("<card>", depth);
    dir_.write("deep.kerfa", text);
    for (const char* command : {"test", "statistics", "source", "hash"}) {
        const e2e::Run result = run({command, "deep.kerfa"});
        EXPECT_EQ(result.status, 0) << command;
        EXPECT_EQ(result.err, "") << command;
    }
    for (const char* command : {"headings", "html", "markdown", "kerfa", "kerfa-min", "kerfa-v1",
                                "text", "structure", "kerfa-indented"}) {
        const e2e::Run result = run({command, "deep.kerfa", "out", "-s"});
        EXPECT_EQ(result.status, 0) << command;
        EXPECT_EQ(result.err, "") << command;
        std::error_code error;
        const auto written = fs::file_size(dir_.path() / "out", error);
        EXPECT_FALSE(error) << command;
        // At most 256 levels of four blanks on each of two lines per level.
        EXPECT_LE(written, 2 * (256 * 4 + 64) * std::uintmax_t{depth}) << command;
    }
}

}  // namespace
