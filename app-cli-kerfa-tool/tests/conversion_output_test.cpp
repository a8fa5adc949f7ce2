// The last step of a conversion: the path check, the checked file write and standard output.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "e2e.hpp"
#include "modules/output/conversion_output.hpp"

namespace {

namespace output = kerfa_tool::modules::output;
namespace fs = std::filesystem;

std::string first_message(const kerfa_tool::types::CommandResult& result) {
    return result ? std::string("ok") : result.error().messages.at(0);
}

TEST(ConversionOutput, SamePathsAreRefusedBeforeAnythingIsRead) {
    e2e::TempDir dir;
    const std::string same = "Source and target file paths are the same.";
    fs::path input = dir.write("a.kerfa", "# A\n");
    fs::path other = dir.write("b.kerfa", "# A\n");
    fs::create_symlink(input, dir.path() / "link.kerfa");
    fs::create_hard_link(input, dir.path() / "hard.kerfa");
    fs::create_directory(dir.path() / "sub");
    struct Case {
        std::string file;
        std::optional<std::string> output;
        std::string expected;
    };
    const std::vector<Case> cases{
        // The text check needs no file at all.
        {"missing.kerfa", "missing.kerfa", same},
        {input.string(), input.string(), same},
        {input.string(), (dir.path() / "." / "a.kerfa").string(), same},
        {input.string(), (dir.path() / "sub" / ".." / "a.kerfa").string(), same},
        {input.string(), (dir.path() / "link.kerfa").string(), same},
        {(dir.path() / "link.kerfa").string(), input.string(), same},
        {input.string(), (dir.path() / "hard.kerfa").string(), same},
        {input.string(), other.string(), "ok"},
        {input.string(), (dir.path() / "new.html").string(), "ok"},
        {(dir.path() / "missing.kerfa").string(), other.string(), "ok"},
        {input.string(), std::nullopt, "ok"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(first_message(output::check_distinct_paths(c.file, c.output)), c.expected)
            << c.file << " -> " << c.output.value_or("(none)");
    }
    EXPECT_EQ(e2e::read_file(input), "# A\n");
}

TEST(ConversionOutput, WritesTheFileWholeAndConfirmsUnlessSilent) {
    e2e::TempDir dir;
    fs::path existing = dir.write("old.html", "a much longer text than the new one\n");
    struct Case {
        fs::path path;
        bool silent;
        std::string expected_stdout;
    };
    const std::vector<Case> cases{
        {dir.path() / "new.html", false, "Done.\n"},
        {dir.path() / "quiet.html", true, ""},
        {existing, false, "Done.\n"},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStdout();
        auto result = output::write_conversion("<p>é</p>", c.path.string(), c.silent);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.expected_stdout) << c.path;
        EXPECT_TRUE(result) << c.path;
        EXPECT_EQ(e2e::read_file(c.path), "<p>é</p>") << c.path;
    }
}

TEST(ConversionOutput, FailedWritesGiveTheSystemTextAndNoConfirmation) {
    e2e::TempDir dir;
    fs::create_directory(dir.path() / "folder");
    struct Case {
        std::string path;
        std::string expected;
    };
    const std::vector<Case> cases{
        {(dir.path() / "folder").string(), "Is a directory"},
        {(dir.path() / "no" / "parent.html").string(), "No such file or directory"},
        {"/dev/full", "No space left on device"},
        {"", "No such file or directory"},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStdout();
        auto result = output::write_conversion("text", c.path, false);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << c.path;
        ASSERT_FALSE(result) << c.path;
        EXPECT_EQ(result.error().messages, std::vector<std::string>{c.expected}) << c.path;
        EXPECT_EQ(result.error().code, 1) << c.path;
    }
}

TEST(ConversionOutput, StandardOutputGetsTheTextAndOneNewlineEvenWhenSilent) {
    for (bool silent : {false, true}) {
        testing::internal::CaptureStdout();
        auto result = output::write_conversion("line one\nline two", std::nullopt, silent);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "line one\nline two\n");
        EXPECT_TRUE(result);
    }
}

TEST(ConversionOutput, ConvertToOutputChecksPathsBeforeProducing) {
    bool produced = false;
    auto produce = [&produced]() -> std::expected<std::string, kerfa_tool::types::ExitError> {
        produced = true;
        return std::string("text");
    };
    auto result = output::convert_to_output("a.kerfa", std::string("a.kerfa"), false, produce);
    EXPECT_EQ(first_message(result), "Source and target file paths are the same.");
    EXPECT_FALSE(produced);

    auto failing = []() -> std::expected<std::string, kerfa_tool::types::ExitError> {
        return std::unexpected(kerfa_tool::types::ExitError("File not found: a.kerfa"));
    };
    EXPECT_EQ(first_message(output::convert_to_output("a.kerfa", std::nullopt, false, failing)),
              "File not found: a.kerfa");
}

}  // namespace
