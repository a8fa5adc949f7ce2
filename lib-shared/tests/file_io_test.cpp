#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "shared/utils/file_io.hpp"

namespace {

using namespace shared::utils;

class FileIo : public ::testing::Test {
  protected:
    void SetUp() override {
        char folder_template[] = "/tmp/shared_file_io_XXXXXX";
        folder_ = ::mkdtemp(folder_template);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string path(const std::string& name) const { return folder_ + "/" + name; }

  private:
    std::string folder_;
};

TEST_F(FileIo, WrittenBytesReadBackWhole) {
    // Larger than one read chunk, with a NUL and bytes that are not UTF-8.
    std::string bytes(200'000, 'x');
    bytes[7] = '\0';
    bytes[100'000] = '\xFF';
    ASSERT_TRUE(write_file(path("a.bin"), bytes));
    const auto read = read_file(path("a.bin"));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, bytes);

    ASSERT_TRUE(write_file(path("a.bin"), "short"));
    EXPECT_EQ(read_file(path("a.bin")).value(),
              "short");  // replaced whole, not overwritten in place
}

TEST_F(FileIo, ReadKeepsTheSpareCapacityAskedFor) {
    ASSERT_TRUE(write_file(path("a.txt"), "abc"));
    for (const std::size_t spare : {0UL, 1UL, 64UL, 100'000UL}) {
        const auto read = read_file(path("a.txt"), spare);
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, "abc");
        EXPECT_GE(read->capacity() - read->size(), spare);
    }
    // A source of unknown size grows the text; the spare room is still there at the end.
    const auto grown = read_file("/proc/self/status", 4096);
    ASSERT_TRUE(grown);
    EXPECT_GE(grown->capacity() - grown->size(), 4096U);
}

TEST_F(FileIo, FailuresCarryTheSystemError) {
    EXPECT_EQ(read_file(path("missing")).error().value(), ENOENT);
    EXPECT_EQ(read_file(path("")).error().value(), EISDIR);
    EXPECT_EQ(read_file(std::string("a\0b", 3)).error().value(), ENOENT);
    EXPECT_EQ(write_file(path("no/such/folder"), "x").error().value(), ENOENT);
    const auto full = write_file("/dev/full", "x");
    ASSERT_FALSE(full);
    EXPECT_EQ(full.error().value(), ENOSPC);
    EXPECT_EQ(full.error().message(), "No space left on device");
}

// A FIFO would wait for a writer and a device may never end: neither is read, nor a folder.
TEST_F(FileIo, RegularFileReadRefusesOtherKinds) {
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    ::mkdir(path("folder").c_str(), 0700);
    for (const std::string& other : {path("fifo"), std::string("/dev/zero"), path("folder")}) {
        const auto read = read_regular_file(other);
        ASSERT_FALSE(read) << other;
        EXPECT_EQ(read.error(), not_regular_file_error()) << other;
        EXPECT_EQ(read.error().message(), "not a regular file") << other;
    }
    EXPECT_EQ(read_regular_file(path("missing")).error().value(), ENOENT);
    ASSERT_TRUE(write_file(path("a.txt"), "abc"));
    ASSERT_EQ(::symlink(path("a.txt").c_str(), path("link").c_str()), 0);
    const auto linked = read_regular_file(path("link"), 64);
    ASSERT_TRUE(linked);
    EXPECT_EQ(*linked, "abc");
    EXPECT_GE(linked->capacity() - linked->size(), 64U);
}

TEST_F(FileIo, Utf8ReadNamesItsFailure) {
    ASSERT_TRUE(write_file(path("bad.txt"), "a\xC3"));
    EXPECT_EQ(read_utf8_file(path("bad.txt")).error(), "stream did not contain valid UTF-8");
    EXPECT_EQ(read_utf8_file(path("missing")).error(), "No such file or directory");
    ASSERT_TRUE(write_file(path("good.txt"), "\xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(read_utf8_file(path("good.txt")).value(), "\xC3\xA9t\xC3\xA9");
}

TEST_F(FileIo, CopyLeavesAFileCopiedOntoItselfIntact) {
    ASSERT_TRUE(write_file(path("a.png"), "image bytes"));
    ASSERT_EQ(::symlink(path("a.png").c_str(), path("link.png").c_str()), 0);
    ASSERT_TRUE(copy_file(path("a.png"), path("b.png")));
    EXPECT_EQ(read_file(path("b.png")).value(), "image bytes");
    ASSERT_TRUE(copy_file(path("a.png"), path("link.png")));
    ASSERT_TRUE(copy_file(path("a.png"), path("a.png")));
    EXPECT_EQ(read_file(path("a.png")).value(), "image bytes");
    EXPECT_TRUE(same_file(path("a.png"), path("link.png")));
    EXPECT_FALSE(same_file(path("a.png"), path("b.png")));
    EXPECT_EQ(copy_file(path("missing"), path("c.png")).error().value(), ENOENT);
    EXPECT_EQ(copy_file(path("a.png"), "/dev/full").error().value(), ENOSPC);
}

TEST_F(FileIo, FailedCopyKeepsTheOldFileAndLeavesNothingBehind) {
    ASSERT_TRUE(write_file(path("old.png"), "old"));
    std::filesystem::create_directory(path("folder"));
    // A folder opens for reading, and its first read fails.
    EXPECT_EQ(copy_file(path("folder"), path("old.png")).error().value(), EISDIR);
    EXPECT_EQ(read_file(path("old.png")).value(), "old");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path(""))) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"folder", "old.png"}));
}

TEST_F(FileIo, OutputFolderFollowsNoLinkInsideIt) {
    ASSERT_TRUE(write_file(path("victim"), "kept"));
    std::filesystem::create_directory(path("out"));
    ASSERT_EQ(::symlink(path("victim").c_str(), path("out/doc").c_str()), 0);
    ASSERT_EQ(::symlink(path("").c_str(), path("out/images").c_str()), 0);
    std::filesystem::create_symlink(path("out"), path("named"));
    const OutputFolder out = OutputFolder::open(path("named"));  // the named folder may be a link

    EXPECT_EQ(out.write_file("doc", "x").error().value(), ELOOP);
    EXPECT_EQ(out.copy_file(path("victim"), "doc").error().value(), ELOOP);
    EXPECT_TRUE(out.make_folder("images"));
    EXPECT_EQ(out.folder("images").write_file("a.png", "x").error().value(), ELOOP);
    EXPECT_EQ(read_file(path("victim")).value(), "kept");
    EXPECT_FALSE(std::filesystem::exists(path("a.png")));

    EXPECT_EQ(out.write_file("../escape", "x").error().value(), EINVAL);
    ASSERT_TRUE(out.make_folder("sub"));
    ASSERT_TRUE(out.folder("sub").write_file("new", "bytes"));
    EXPECT_EQ(read_file(path("out/sub/new")).value(), "bytes");
    EXPECT_EQ(OutputFolder::open(path("victim")).write_file("x", "x").error().value(), ENOTDIR);
    EXPECT_EQ(out.folder("doc").make_folder("x").error().value(), ELOOP);
}

}  // namespace
