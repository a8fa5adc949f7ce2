// End to end on the built binary: where a conversion's text goes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

constexpr std::string_view kDocument = "# Title\n\nSome <b>bold<> text.\n";

class CliConversion : public testing::Test {
  protected:
    void SetUp() override { input_ = dir_.write("a.kerfa", kDocument).string(); }

    e2e::Run run(const std::vector<std::string>& line, e2e::Options options = {}) const {
        options.cwd = dir_.path();
        return e2e::run_tool(line, options);
    }

    e2e::TempDir dir_;
    std::string input_;
};

TEST_F(CliConversion, SamePathIsRefusedAndTheSourceKept) {
    const std::string same = "Source and target file paths are the same.\n\n";
    std::filesystem::create_symlink(input_, dir_.path() / "link.kerfa");
    for (std::vector<std::string> line : std::vector<std::vector<std::string>>{
             {"html", "missing.kerfa", "missing.kerfa"},
             {"html", "a.kerfa", "a.kerfa"},
             {"html", "a.kerfa", "./a.kerfa"},
             {"kerfa", "a.kerfa", input_},
             {"-s", "txt", "a.kerfa", "link.kerfa"},
         }) {
        e2e::Run result = run(line);
        EXPECT_EQ(result.out, same) << line[2];
        EXPECT_EQ(result.err, "") << line[2];
        EXPECT_EQ(result.status, 1) << line[2];
        EXPECT_EQ(e2e::read_file(input_), kDocument) << line[2];
    }
}

TEST_F(CliConversion, ConfirmationFollowsSilentNotPrivate) {
    struct Case {
        std::vector<std::string> line;
        std::string out;
    };
    const std::vector<Case> cases{
        {{"html", "a.kerfa", "b.html"}, "Done.\n"},
        {{"-s", "html", "a.kerfa", "b.html"}, ""},
        {{"html", "a.kerfa", "b.html", "--silent"}, ""},
        {{"-sp", "html", "a.kerfa", "b.html"}, ""},
        {{"--sp", "html", "a.kerfa", "b.html"}, "Done.\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir_.path() / "b.html");
        e2e::Run result = run(c.line);
        EXPECT_EQ(result.out, c.out) << c.line[0];
        EXPECT_EQ(result.status, 0) << c.line[0];
        EXPECT_FALSE(e2e::read_file(dir_.path() / "b.html").empty()) << c.line[0];
    }
}

TEST_F(CliConversion, StandardOutputGetsOneNewlineAndIgnoresSilent) {
    std::string written = (dir_.path() / "b.kerfa").string();
    ASSERT_EQ(run({"kerfa", "a.kerfa", written}).status, 0);
    std::string expected = e2e::read_file(written) + "\n";
    EXPECT_EQ(run({"kerfa", "a.kerfa"}).out, expected);
    EXPECT_EQ(run({"-s", "kerfa", "a.kerfa"}).out, expected);
}

TEST_F(CliConversion, FailedOutputWritesAreErrors) {
    std::filesystem::create_directory(dir_.path() / "folder");
    struct Case {
        std::string output;
        std::string out;
        int status;
    };
    const std::vector<Case> cases{
        {"folder", "Is a directory\n\n", 1},
        {"no/parent.html", "No such file or directory\n\n", 1},
        {"/dev/full", "No space left on device\n\n", 1},
    };
    for (const Case& c : cases) {
        e2e::Run result = run({"html", "a.kerfa", c.output});
        EXPECT_EQ(result.out, c.out) << c.output;
        EXPECT_EQ(result.status, c.status) << c.output;
    }
    e2e::Run to_full = run({"html", "a.kerfa"}, {.stdout_path = "/dev/full"});
    EXPECT_EQ(to_full.status, 101);
}

}  // namespace
