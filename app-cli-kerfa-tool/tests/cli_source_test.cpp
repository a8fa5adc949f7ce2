// End to end on the built binary: the source command, whole file and one section, with private
// regions cut out or shown.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

// Sections by outline id: 0 the implicit one, 1 "First", 2 "Sub Part", 3 "Second" (whose line
// starts inside the private region opened in "Sub Part"), 4 "first" (CR LF line ends).
const std::string kDocument =
    "Intro <<p>>hidden<<>>visible\n"
    "# First\n"
    "alpha <<priv>>secret<<>> beta\n"
    "## Sub Part\n"
    "sub\n"
    "<<p>>crossing\n"
    "<<>># Second\n"
    "gamma\n"
    "# first\r\n"
    "last\r\n";

const std::string kElided =
    "Intro visible\n"
    "# First\n"
    "alpha  beta\n"
    "## Sub Part\n"
    "sub\n"
    "# Second\n"
    "gamma\n"
    "# first\r\n"
    "last\r\n";

std::string notice(int count) {
    return std::to_string(count) + " private span(s) elided. Use --show-private to include them.\n";
}

struct Case {
    std::vector<std::string> options;
    std::string out;
    std::string err;
};

TEST(CliSource, WholeFileAndSections) {
    e2e::TempDir dir;
    const std::string path = dir.write("notes.kerfa", kDocument).string();
    const std::vector<Case> cases = {
        {{}, kElided, notice(3)},
        {{"-s"}, kElided, ""},
        {{"--silent"}, kElided, ""},
        {{"-p"}, kDocument, ""},
        {{"--show-private"}, kDocument, ""},
        {{"-sp"}, kDocument, ""},
        {{"--section=0"}, "Intro visible\n", notice(1)},
        {{"--section=1"}, "# First\nalpha  beta\n", notice(1)},
        {{"--section=+1", "-s"}, "# First\nalpha  beta\n", ""},
        // A title: trimmed, case-insensitive, and the first of two equal titles wins.
        {{"--section=first"}, "# First\nalpha  beta\n", notice(1)},
        {{"--sec= SUB part "}, "## Sub Part\nsub\n", notice(1)},
        {{"--section=002"}, "## Sub Part\nsub\n", notice(1)},
        // A region crossing the boundary is cut on both sides and counted in each section.
        {{"--section=3"}, "# Second\ngamma\n", notice(1)},
        // The sections are those of a parse that removes private regions, even when shown.
        {{"--section=3", "-p"}, "<<>># Second\ngamma\n", ""},
        {{"--section=2", "--private"}, "## Sub Part\nsub\n<<p>>crossing\n", ""},
        {{"--section=4"}, "# first\r\nlast\r\n", ""},
        {{"--section=1", "--sec=4"}, "# First\nalpha  beta\n", notice(1)},
    };
    for (const Case& c : cases) {
        std::vector<std::string> line = {"source", path};
        line.insert(line.end(), c.options.begin(), c.options.end());
        const e2e::Run run = e2e::run_tool(line);
        std::string shown;
        for (const auto& option : c.options) {
            shown += option + " ";
        }
        EXPECT_EQ(run.out, c.out) << shown;
        EXPECT_EQ(run.err, c.err) << shown;
        EXPECT_EQ(run.status, 0) << shown;
    }
}

// Bytes before a first heading that follows a metadata line belong to no section: the heading's
// section replaces the implicit one.
TEST(CliSource, LeadingMetadataBelongsToNoSection) {
    e2e::TempDir dir;
    const std::string text = "<meta>author: Ann<>\n# Top\nbody\n# Next\nmore";
    const std::string path = dir.write("meta.kfa", text).string();
    const std::vector<Case> cases = {
        {{}, text, ""},
        {{"--section=0"}, "# Top\nbody\n", ""},
        {{"--section=top"}, "# Top\nbody\n", ""},
        {{"--section=1"}, "# Next\nmore", ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> line = {"src", path};
        line.insert(line.end(), c.options.begin(), c.options.end());
        const e2e::Run run = e2e::run_tool(line);
        EXPECT_EQ(run.out, c.out) << (c.options.empty() ? "" : c.options[0]);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.status, 0);
    }
}

// Markdown sections start at the start of their heading's line, whatever ends the line before it.
TEST(CliSource, MarkdownSectionsWithEveryKindOfLineEnd) {
    e2e::TempDir dir;
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        const std::string shown = end == "\n" ? "LF" : end == "\r" ? "CR" : "CR LF";
        const std::string title = "# Title" + end + "line one" + end;
        const std::string two = "## Two" + end + "end" + end;
        const std::string path = dir.write("cr.md", title + two).string();
        const std::vector<Case> cases = {
            {{"--section=two"}, two, ""},
            {{"--section=title"}, title, ""},
            {{"--section=1"}, two, ""},
        };
        for (const Case& c : cases) {
            const e2e::Run run = e2e::run_tool({"source", path, c.options[0]});
            EXPECT_EQ(run.out, c.out) << c.options[0] << " with " << shown;
            EXPECT_EQ(run.err, c.err);
            EXPECT_EQ(run.status, 0);
        }
    }
}

TEST(CliSource, FailuresNameTheWholePath) {
    e2e::TempDir dir;
    const std::string path = dir.write("doc.kerfa", "# Intro\ntext\n# 7\nseven\n").string();
    const std::string missing = (dir.path() / "missing.kerfa").string();
    const std::string folder = dir.path().string();
    const std::string bad = dir.write("bad.kerfa", "ok \xff\xfe\n").string();
    const std::string hint = " (use an outline id or an exact heading, case-insensitive).";
    struct Failure {
        std::vector<std::string> line;
        std::string out;
    };
    const std::vector<Failure> cases = {
        {{"source", missing}, "File not found: " + missing + "\n\n"},
        {{"source", missing, "--section=1"}, "File not found: " + missing + "\n\n"},
        {{"source", folder}, folder + ": Is a directory\n\n"},
        {{"source", bad}, bad + ": stream did not contain valid UTF-8\n\n"},
        // An all-digit selector is an outline id only, even when a heading reads the same.
        {{"source", path, "--section=7"}, "No section '7' in " + path + hint + "\n\n"},
        // The message repeats the selector as typed, blanks included.
        {{"source", path, "--section= Nope "}, "No section ' Nope ' in " + path + hint + "\n\n"},
        {{"source", path, "--section="}, "No section '' in " + path + hint + "\n\n"},
        {{"source", path, "--sec=99", "-p", "-s"}, "No section '99' in " + path + hint + "\n\n"},
    };
    for (const Failure& c : cases) {
        const e2e::Run run = e2e::run_tool(c.line);
        EXPECT_EQ(run.out, c.out) << c.line.back();
        EXPECT_EQ(run.err, "") << c.line.back();
        EXPECT_EQ(run.status, 1) << c.line.back();
    }
}

}  // namespace
