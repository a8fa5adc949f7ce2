// End to end on the built binary: the hash command, checked against sha256sum.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

// sha256sum's digest of the file, with the newline the tool prints.
std::string reference_digest(const std::string& path) {
    e2e::Run run = e2e::run_program("sha256sum", {"-b", path});
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out.substr(0, 64) + "\n";
}

TEST(CliHash, DigestsMatchSha256sum) {
    e2e::TempDir dir;
    std::string big;
    // Several read chunks, with a part chunk at the end.
    for (int i = 0; big.size() < 300'000; ++i) {
        big += "line " + std::to_string(i) + " \xc3\xa9\n";
    }
    struct Case {
        std::string name;
        std::string bytes;
    };
    const std::vector<Case> cases{
        {"empty.kerfa", ""},
        {"doc.kerfa", "# Title\nSome <b>bold<> text.\n"},
        {"binary.bin", std::string("\xff\xfe\x00\x01 not utf-8\n", 16)},
        {"big.txt", big},
        {"name with spaces.md", "x"},
    };
    for (const Case& c : cases) {
        std::string path = dir.write(c.name, c.bytes).string();
        std::string expected = reference_digest(path);
        for (std::vector<std::string> line : std::vector<std::vector<std::string>>{
                 {"hash", path}, {"-s", "hash", path}, {"hash", "--silent", path, "extra"}}) {
            e2e::Run run = e2e::run_tool(line);
            EXPECT_EQ(run.out, expected) << c.name;
            EXPECT_EQ(run.out.size(), 65U) << c.name;
            EXPECT_EQ(run.err, "") << c.name;
            EXPECT_EQ(run.status, 0) << c.name;
        }
    }
    // The digest of nothing, as published.
    EXPECT_EQ(e2e::run_tool({"hash", (dir.path() / "empty.kerfa").string()}).out,
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855\n");
}

TEST(CliHash, RelativePathsFollowTheWorkingFolder) {
    e2e::TempDir dir;
    std::string path = dir.write("doc.kerfa", "# Title\n").string();
    e2e::Run run = e2e::run_tool({"hash", "doc.kerfa"}, {.cwd = dir.path()});
    EXPECT_EQ(run.out, reference_digest(path));
    EXPECT_EQ(run.status, 0);
}

TEST(CliHash, FailuresNameTheWholePath) {
    e2e::TempDir dir;
    std::string folder = dir.path().string();
    std::string missing = (dir.path() / "missing.kerfa").string();
    std::string unreadable = dir.write("secret.kerfa", "x").string();
    std::filesystem::permissions(unreadable, std::filesystem::perms::none);
    std::filesystem::create_symlink(missing, dir.path() / "dangling.kerfa");
    struct Case {
        std::string path;
        std::string out;
    };
    std::vector<Case> cases{
        {missing, "File not found: " + missing + "\n\n"},
        {"", "File not found: \n\n"},
        {(dir.path() / "dangling.kerfa").string(),
         "File not found: " + (dir.path() / "dangling.kerfa").string() + "\n\n"},
        {folder, folder + ": Is a directory\n\n"},
    };
    // Permissions mean nothing to root.
    if (::geteuid() != 0) {
        cases.push_back({unreadable, unreadable + ": Permission denied\n\n"});
    }
    for (const Case& c : cases) {
        e2e::Run run = e2e::run_tool({"hash", c.path});
        EXPECT_EQ(run.out, c.out) << c.path;
        EXPECT_EQ(run.err, "") << c.path;
        EXPECT_EQ(run.status, 1) << c.path;
    }
}

}  // namespace
