#include "example_file.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kWhole =
    "# A rule\n"
    "\n"
    "=== two inputs and every block\n"
    "$ kerfa-tool  html a.kerfa b.kerfa\n"
    "--- a.kerfa\n"
    "one\n"
    "\n"
    "--- b.kerfa\n"
    "two\n"
    "\\ no line feed at end\n"
    "--- stdout\n"
    "--- stderr\n"
    "oops\n"
    "--- status 1\n"
    "=== nothing more\n"
    "$ kerfa-tool --help\n"
    "--- stdout\n"
    "text\n";

TEST(ExampleFile, ReadsEveryPartOfACase) {
    const std::expected<examples::File, std::string> file = examples::parse("x.example", kWhole);
    ASSERT_TRUE(file) << file.error();
    EXPECT_EQ(file->comment, (std::vector<std::string>{"# A rule", ""}));
    ASSERT_EQ(file->cases.size(), 2U);

    const examples::Case& first = file->cases[0];
    EXPECT_EQ(first.name, "two inputs and every block");
    EXPECT_EQ(first.line, 3);
    EXPECT_EQ(first.arguments, (std::vector<std::string>{"html", "a.kerfa", "b.kerfa"}));
    ASSERT_EQ(first.inputs.size(), 2U);
    EXPECT_EQ(first.inputs[0].name, "a.kerfa");
    EXPECT_EQ(first.inputs[0].bytes, "one\n\n");
    EXPECT_EQ(first.inputs[1].bytes, "two");
    EXPECT_EQ(first.out, "");
    EXPECT_EQ(first.err, "oops\n");
    EXPECT_EQ(first.status, 1);

    const examples::Case& second = file->cases[1];
    EXPECT_EQ(second.line, 15);
    EXPECT_TRUE(second.inputs.empty());
    EXPECT_EQ(second.out, "text\n");
    EXPECT_EQ(second.err, std::nullopt);
    EXPECT_EQ(second.status, std::nullopt);

    const std::expected<std::string, std::string> printed = examples::print(*file);
    ASSERT_TRUE(printed) << printed.error();
    EXPECT_EQ(*printed, kWhole);
}

TEST(ExampleFile, MalformedFilesNameTheFileAndLine) {
    struct Case {
        std::string text;
        std::string error;
    };
    const std::string start = "=== c\n$ kerfa-tool text in.kerfa\n";
    const std::vector<Case> cases = {
        {"", "f.example:1: no case (a case begins with \"=== name\")"},
        {"# rule\nstray\n=== c\n", "f.example:2: expected a comment line (\"# ...\") or a case"},
        {"=== \n", "f.example:1: a case with no name"},
        {"=== c\n--- stdout\n", "f.example:2: expected the command line \"$ kerfa-tool ...\""},
        {"=== c\n$ kerfa-toolx\n", "f.example:2: expected the command line"},
        {start + "stray\n--- stdout\n", "f.example:3: expected a block (\"--- name\") after"},
        {start + "--- in.kerfa\nx\n", "f.example:1: the case \"c\" has no \"--- stdout\" block"},
        {start + "--- stdout\n--- stdout\n", "f.example:4: a second \"--- stdout\" block"},
        {start + "--- stderr\n", "f.example:3: \"--- stderr\" must come right after"},
        {start + "--- stdout\n--- in.kerfa\n", "f.example:4: the input \"in.kerfa\" comes after"},
        {start + "--- a/b\n--- stdout\n", "f.example:3: an input needs a plain file name"},
        {start + "--- a\n--- a\n--- stdout\n", "f.example:4: a second input named \"a\""},
        {start + "--- stdout\n--- status x\n", "f.example:4: expected \"--- status N\" with N"},
        {start + "--- stdout\n--- status 256\n", "f.example:4: expected \"--- status N\""},
        {start + "--- stdout\n--- status 1\nx\n", "f.example:5: \"--- status N\" is one line"},
        {start + "--- status 1\n", "f.example:3: \"--- status\" must come after"},
        {start + "--- stdout\n\\ no line feed at end\n", "f.example:4: \"\\ no line feed at end\""},
        {start + "--- stdout\n" + start + "--- stdout\n", "f.example:4: a second case named \"c\""},
    };
    for (const Case& c : cases) {
        const std::expected<examples::File, std::string> file =
            examples::parse("f.example", c.text);
        ASSERT_FALSE(file) << c.text;
        EXPECT_TRUE(file.error().starts_with(c.error)) << c.text << "\n" << file.error();
    }
}

TEST(ExampleFile, PrintRefusesLinesItCouldNotReadBack) {
    for (const std::string out : {"a\n--- b\n", "=== c", "x\n\\ no line feed at end\n"}) {
        examples::File file{{}, {examples::Case{.name = "c", .command = "kerfa-tool", .out = out}}};
        EXPECT_FALSE(examples::print(file)) << out;
    }
    examples::File file{{}, {examples::Case{.name = "c", .command = "kerfa-tool", .out = "---\n"}}};
    EXPECT_EQ(examples::print(file), "=== c\n$ kerfa-tool\n--- stdout\n---\n");
}

}  // namespace
