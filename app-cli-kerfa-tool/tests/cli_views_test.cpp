// End to end on the built binary: minimalist Kerfa, Kerfa V1, the structure dump and the
// indented view, from Kerfa, Markdown and plain-text files, to standard output and to a file.

#include <gtest/gtest.h>

#include <string>
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

const std::string kKerfaMin =
    "<meta>title: Demo<>\n"
    "# Intro\n"
    "Some <b>bold<> and <red>red<> #tag lost.\r\n"
    "<* ->one\n"
    "two<>\n"
    "<t><h>h1<|>h2<>\n"
    "a<|>b\n"
    "<>\n"
    "<image \"a b.png\"><html-block>\\<p class=\"x\">\\\\\\</p><><check true><--->\n"
    "## Next\n"
    "<doc notes:?a b>see<> <l>x.org<> kept\n";

const std::string kKerfaV1 =
    "# Intro\n"
    "Some <bold>bold<> and <color red>red<> #tag lost.\r\n"
    "<* dash>one\n"
    "two<>\n"
    "<table><col><b>h1<><><col><b>h2<><>\n"
    "<col>a<><col>b<>\n"
    "<col> <><>\n"
    "<image \"a b.png\"><h>p "
    "class=<hq>x<hq></h>\\\\<h>/p</h><c>[x]<>----------------------------------------\n"
    "## Next\n"
    "<link \"notes?q=a\">see<> <link>x.org<> kept\n";

const std::string kKerfaStructure =
    "[Document : id: 0, name: \"\"]\n"
    "    [Metadata : ]\n"
    "        title                 Demo\n"
    "    [Section : id: 0, level: 0, name: \"Intro\"]\n"
    "        <<Heading>> level: 0\n"
    "        \"Intro\"\n"
    "        \\n\n"
    "        \"Some \"\n"
    "        <bold>\n"
    "        \"bold\"\n"
    "        <>\n"
    "        \" and \"\n"
    "        <color Color-Name red>\n"
    "        \"red\"\n"
    "        <>\n"
    "        \" #tag \"\n"
    "        < [:invalid:] nope>\n"
    "        \"lost\"\n"
    "        <>\n"
    "        \".\"\n"
    "        \\n\\r\n"
    "        [Block : bullet Bullet dash ]\n"
    "            [Block : bullet-entry ]\n"
    "                \"one\"\n"
    "            [Block : bullet-entry ]\n"
    "                \"two\"\n"
    "        \\n\n"
    "        [Block : table ]\n"
    "            [Block : table-heading ]\n"
    "                [Block : table-heading-row ]\n"
    "                    [Block : table-heading-entry ]\n"
    "                        \"h1\"\n"
    "                    [Block : table-heading-entry ]\n"
    "                        \"h2\"\n"
    "            [Block : table-row ]\n"
    "                [Block : table-entry ]\n"
    "                    \"a\"\n"
    "                [Block : table-entry ]\n"
    "                    \"b\"\n"
    "            [Block : table-row ]\n"
    "                [Block : table-entry ]\n"
    "        \\n\n"
    "        [image source: File { path: \"a b.png\" }]\n"
    "        [html] \"<p class=\"x\">\\</p>\"\n"
    "        [check: true]\n"
    "        [divider line]\n"
    "        \\n\n"
    "    [Section : id: 1, level: 1, name: \"Next\"]\n"
    "        <<Heading>> level: 1\n"
    "        \"Next\"\n"
    "        \\n\n"
    "        <document DocLink notes:?a \"b\">\n"
    "        \"see\"\n"
    "        <>\n"
    "        \" \"\n"
    "        <link>\n"
    "        \"x.org\"\n"
    "        <>\n"
    "        \" kept\"\n"
    "        \\n\n";

const std::string kKerfaIndented =
    "<metadata>\n"
    "    title = Demo\n"
    "<>                                          \u2190 closes <metadata> (L1)\n"
    "\n"
    "# Intro\n"
    "\"Some \"\n"
    "<bold>\n"
    "    \"bold\"\n"
    "<>                                          \u2190 closes <bold> (L7)\n"
    "\" and \"\n"
    "<color red>\n"
    "    \"red\"\n"
    "<>                                          \u2190 closes <color> (L11)\n"
    "\" #tag \"\n"
    "<nope>                                      \u2190 \u26A0 invalid element - markup dropped, "
    "content kept\n"
    "    \"lost\"\n"
    "<>                                          \u2190 closes <nope> (L15)\n"
    "\".\"\n"
    "<bullet dash>\n"
    "    \"one\"\n"
    "    \"two\"\n"
    "<>                                          \u2190 closes <bullet> (L19)\n"
    "<table>\n"
    "    <table-heading>\n"
    "        \"h1\"  <|>  \"h2\"\n"
    "    <>                                      \u2190 closes <table-heading> (L24)\n"
    "    \"a\"  <|>  \"b\"\n"
    "<>                                          \u2190 closes <table> (L23)\n"
    "<image File { path: \"a b.png\" }>[html \"<p class=\"x\">\\</p>\"]<x true><--->\n"
    "\n"
    "## Next\n"
    "<document notes:?a b>\n"
    "    \"see\"\n"
    "<>                                          \u2190 closes <document> (L32)\n"
    "\" \"\n"
    "<link>\n"
    "    \"x.org\"\n"
    "<>                                          \u2190 closes <link> (L36)\n"
    "\" kept\"\n";

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

const std::string kMarkdownMin =
    "# Notes\n"
    "\n"
    "Some <i>text<> and a <l \"http://x.y/a b\">link<>.\n"
    "\n"
    "<*>one\n"
    "<check true>  two<>\n"
    "\n"
    "## Part\n"
    "\n"
    "<bq>quoted<>";

const std::string kMarkdownV1 =
    "# Notes\n"
    "\n"
    "Some <i>text<> and a <link \"http://x.y/a b\">link<>.\n"
    "\n"
    "<*>one\n"
    "<c>[x]<>  two<>\n"
    "\n"
    "## Part\n"
    "\n"
    "<blockquote>quoted<>";

const std::string kMarkdownStructure =
    "[Document : id: 0, name: \"\"]\n"
    "    [Section : id: 0, level: 0, name: \"Notes\"]\n"
    "        <<Heading>> level: 0\n"
    "        \"Notes\"\n"
    "        \\n\n"
    "        \\n\n"
    "        \"Some \"\n"
    "        <italic>\n"
    "        \"text\"\n"
    "        <>\n"
    "        \" and a \"\n"
    "        <link \"http://x.y/a b\">\n"
    "        \"link\"\n"
    "        <>\n"
    "        \".\"\n"
    "        \\n\n"
    "        \\n\n"
    "        [Block : bullet ]\n"
    "            [Block : bullet-entry ]\n"
    "                \"one\"\n"
    "            [Block : bullet-entry ]\n"
    "                [check: true]\n"
    "                \"  \"\n"
    "                \"two\"\n"
    "        \\n\n"
    "        \\n\n"
    "    [Section : id: 1, level: 1, name: \"Part\"]\n"
    "        <<Heading>> level: 1\n"
    "        \"Part\"\n"
    "        \\n\n"
    "        \\n\n"
    "        [Block : block-quote ]\n"
    "            \"quoted\"\n";

const std::string kMarkdownIndented =
    "# Notes\n"
    "\"Some \"\n"
    "<italic>\n"
    "    \"text\"\n"
    "<>                                          \u2190 closes <italic> (L3)\n"
    "\" and a \"\n"
    "<link \"http://x.y/a b\">\n"
    "    \"link\"\n"
    "<>                                          \u2190 closes <link> (L7)\n"
    "\".\"\n"
    "<bullet>\n"
    "    \"one\"\n"
    "    <x true>\"  \"\"two\"\n"
    "<>                                          \u2190 closes <bullet> (L11)\n"
    "\n"
    "## Part\n"
    "<block-quote>\n"
    "    \"quoted\"\n"
    "<>                                          \u2190 closes <block-quote> (L17)\n";

const std::string kText =
    "first line\n"
    "<b>not markup</b>\n"
    "\n"
    "last\n";

const std::string kTextMin = "<fixed>first line<><fixed>\\<b>not markup\\</b><><fixed>last<>";

const std::string kTextV1 = "first line\\<b>not markup\\</b>last";

const std::string kTextStructure =
    "[Document : id: 0, name: \"\"]\n"
    "    [Section : id: 0, level: 0, name: \"None\"]\n"
    "        <fixed>\n"
    "        \"first line\"\n"
    "        <>\n"
    "    [Section : id: 1, level: 0, name: \"None\"]\n"
    "        <fixed>\n"
    "        \"<b>not markup</b>\"\n"
    "        <>\n"
    "    [Section : id: 2, level: 0, name: \"None\"]\n"
    "        \"\"\n"
    "    [Section : id: 3, level: 0, name: \"None\"]\n"
    "        <fixed>\n"
    "        \"last\"\n"
    "        <>\n"
    "    [Section : id: 4, level: 0, name: \"None\"]\n"
    "        \"\"\n";

const std::string kTextIndented =
    "<fixed>\n"
    "    \"first line\"\n"
    "<>                                          \u2190 closes <fixed> (L1)\n"
    "\n"
    "<fixed>\n"
    "    \"<b>not markup</b>\"\n"
    "<>                                          \u2190 closes <fixed> (L5)\n"
    "\n"
    "\"\"\n"
    "\n"
    "<fixed>\n"
    "    \"last\"\n"
    "<>                                          \u2190 closes <fixed> (L11)\n"
    "\n"
    "\"\"\n";

struct Case {
    std::string input;  // file name: its extension chooses the parser
    const std::string* text;
    std::string command;       // short word, to standard output
    std::string long_command;  // long word, to a file
    const std::string* expected;
};

TEST(CliViews, EachFormByteForByteToStandardOutputAndToAFile) {
    const std::vector<Case> cases = {
        {"doc.kerfa", &kKerfa, "min", "kerfa-min", &kKerfaMin},
        {"doc.kerfa", &kKerfa, "v1", "kerfa-v1", &kKerfaV1},
        {"doc.kerfa", &kKerfa, "struct", "structure", &kKerfaStructure},
        {"doc.kerfa", &kKerfa, "ind", "kerfa-indented", &kKerfaIndented},
        {"notes.md", &kMarkdown, "min", "kerfa-min", &kMarkdownMin},
        {"notes.md", &kMarkdown, "v1", "kerfa-v1", &kMarkdownV1},
        {"notes.md", &kMarkdown, "s", "structure", &kMarkdownStructure},
        {"notes.md", &kMarkdown, "ind", "kerfa-indented", &kMarkdownIndented},
        {"notes.txt", &kText, "min", "kerfa-min", &kTextMin},
        {"notes.txt", &kText, "v1", "kerfa-v1", &kTextV1},
        {"notes.txt", &kText, "s", "structure", &kTextStructure},
        {"notes.txt", &kText, "ind", "kerfa-indented", &kTextIndented},
    };
    e2e::TempDir dir;
    for (const Case& c : cases) {
        const std::string what = c.input + " " + c.command;
        dir.write(c.input, *c.text);
        const e2e::Run to_stdout = e2e::run_tool({c.command, c.input}, {.cwd = dir.path()});
        EXPECT_EQ(to_stdout.out, *c.expected + "\n") << what;
        EXPECT_EQ(to_stdout.err, "") << what;
        EXPECT_EQ(to_stdout.status, 0) << what;

        const e2e::Run to_file =
            e2e::run_tool({c.long_command, c.input, "out.txt"}, {.cwd = dir.path()});
        EXPECT_EQ(to_file.out, "Done.\n") << what;
        EXPECT_EQ(to_file.status, 0) << what;
        EXPECT_EQ(e2e::read_file(dir.path() / "out.txt"), *c.expected) << what;
    }
}

// An empty file holds one empty section.
TEST(CliViews, AnEmptyFileIsTwoLinesOfStructure) {
    e2e::TempDir dir;
    dir.write("empty.kerfa", "");
    const e2e::Run run = e2e::run_tool({"s", "empty.kerfa"}, {.cwd = dir.path()});
    EXPECT_EQ(run.out,
              "[Document : id: 0, name: \"\"]\n"
              "    [Section : id: 0, level: 0, name: \"None\"]\n\n");
    EXPECT_EQ(run.status, 0);
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
