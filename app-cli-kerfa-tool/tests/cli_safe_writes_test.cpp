// End to end on the built binary: every output replaces its target whole, so a failed write
// keeps the old file and leaves nothing behind, and ai-chats never writes through a link planted
// in its output folder.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "e2e.hpp"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDocument = "# Title\n\nSome <b>bold<> text.\n";
constexpr std::string_view kOld = "the old file";

using e2e::entries;

mode_t mode_of(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode;
}

mode_t current_umask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A Kerfa document of at least `bytes` bytes.
std::string big_document(std::size_t bytes) {
    std::string text = "# Big\n\n";
    while (text.size() < bytes) {
        text += "A line of text that makes the page longer than the room for it.\n\n";
    }
    return text;
}

// A Claude export of one conversation of at least `bytes` bytes of text.
fs::path claude_export(const e2e::TempDir& dir, std::size_t bytes = 0) {
    const fs::path folder = dir.path() / "export";
    fs::create_directory(folder);
    dir.write("export/conversations.json",
              R"([{"name":"Trip","created_at":"2024-05-06","chat_messages":[{"sender":"human",)"
              R"("content":[{"type":"text","text":")" +
                  std::string(bytes, 'x') + R"("}]}]}])");
    return folder;
}

TEST(SafeWrites, ConversionReplacesTheFileAndKeepsItsMode) {
    e2e::TempDir dir;
    dir.write("a.kerfa", kDocument);
    const e2e::Options here{.cwd = dir.path()};
    const std::string page = e2e::run_tool({"html", "a.kerfa"}, here).out;
    ASSERT_FALSE(page.empty());
    const std::string expected = page.substr(0, page.size() - 1);

    // An existing file, a link to one (the link stays and its target is replaced), a dangling
    // link (its target is created), and a new file.
    fs::permissions(dir.write("kept.html", kOld), fs::perms(0640));
    fs::permissions(dir.write("target.html", kOld), fs::perms(0604));
    fs::create_symlink("target.html", dir.path() / "link.html");
    fs::create_symlink("made.html", dir.path() / "dangling.html");
    for (const char* output : {"kept.html", "link.html", "dangling.html", "new.html"}) {
        const e2e::Run run = e2e::run_tool({"html", "a.kerfa", output}, here);
        EXPECT_EQ(run.out, "Done.\n") << output;
        EXPECT_EQ(run.status, 0) << output;
    }
    for (const char* written : {"kept.html", "target.html", "made.html", "new.html"}) {
        EXPECT_EQ(e2e::read_file(dir.path() / written), expected) << written;
    }
    EXPECT_EQ(mode_of(dir.path() / "kept.html") & 07777, 0640U);
    EXPECT_EQ(mode_of(dir.path() / "target.html") & 07777, 0604U);
    EXPECT_EQ(mode_of(dir.path() / "new.html") & 07777, 0666U & ~current_umask());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.html"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling.html"));
    EXPECT_EQ(entries(dir.path()),
              (std::vector<std::string>{"a.kerfa", "dangling.html", "kept.html", "link.html",
                                        "made.html", "new.html", "target.html"}));
}

TEST(SafeWrites, TargetsThatAreNoRegularFileAreWrittenInPlace) {
    e2e::TempDir dir;
    dir.write("a.kerfa", kDocument);
    const e2e::Options here{.cwd = dir.path()};
    const std::string text = e2e::run_tool({"kerfa", "a.kerfa"}, here).out;

    e2e::Run run = e2e::run_tool({"kerfa", "a.kerfa", "/dev/null"}, here);
    EXPECT_EQ(run.out, "Done.\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(S_ISCHR(mode_of("/dev/null")));
    // Standard output, a pipe here, through its link.
    run = e2e::run_tool({"kerfa", "a.kerfa", "/dev/stdout"}, here);
    EXPECT_EQ(run.out, text.substr(0, text.size() - 1) + "Done.\n");
    EXPECT_EQ(run.status, 0);

    const fs::path fifo = dir.path() / "pipe.kerfa";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        std::ifstream in(fifo, std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), {});
    });
    run = e2e::run_tool({"kerfa", "a.kerfa", "pipe.kerfa"}, here);
    reader.join();
    EXPECT_EQ(run.out, "Done.\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(received + "\n", text);
    EXPECT_TRUE(S_ISFIFO(mode_of(fifo)));
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"a.kerfa", "pipe.kerfa"}));
}

// A path through this process's descriptors is written through the shell's redirection, as a
// user expects of `>` and `>>`: never truncated anew, never replaced behind the descriptor.
TEST(SafeWrites, DescriptorPathsWriteThroughTheRedirection) {
    e2e::TempDir dir;
    dir.write("a.kerfa", kDocument);
    const e2e::Options here{.cwd = dir.path()};
    const std::string text = e2e::run_tool({"kerfa", "a.kerfa"}, here).out;
    const std::string page = text.substr(0, text.size() - 1);
    const std::string old(kOld);
    struct Case {
        std::string output;
        std::string redirection;
        std::string log;
    };
    const std::vector<Case> cases = {
        {"/dev/stdout", ">", page + "Done.\n"},
        {"/dev/stdout", ">>", old + page + "Done.\n"},
        {"/dev/fd/1", ">>", old + page + "Done.\n"},
        {"/proc/self/fd/1", ">>", old + page + "Done.\n"},
        {"/dev/stderr", "2>>", old + page},
    };
    for (const Case& test : cases) {
        const std::string command = test.output + " " + test.redirection;
        dir.write("log", kOld);
        const e2e::Run run = e2e::run_program(
            "/bin/sh", {"-c", "\"$0\" kerfa a.kerfa " + command + " log", e2e::tool_path()}, here);
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.err, "") << command;
        EXPECT_EQ(e2e::read_file(dir.path() / "log"), test.log) << command;
        EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"a.kerfa", "log"})) << command;
    }
}

TEST(SafeWrites, ReadOnlyTargetStaysRefused) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    e2e::TempDir dir;
    dir.write("a.kerfa", kDocument);
    fs::permissions(dir.write("out.html", kOld), fs::perms(0444));
    const e2e::Run run = e2e::run_tool({"html", "a.kerfa", "out.html"}, {.cwd = dir.path()});
    EXPECT_EQ(run.out, "Permission denied\n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(e2e::read_file(dir.path() / "out.html"), kOld);
}

// A superuser's run keeps the owner and group of the file it replaces, so that those who could
// read it still can, and no others.
TEST(SafeWrites, ReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser may give a file away";
    }
    e2e::TempDir dir;
    dir.write("a.kerfa", kDocument);
    const fs::path out = dir.write("out.html", kOld);
    ASSERT_EQ(::chown(out.c_str(), 65534, 65534), 0);
    fs::permissions(out, fs::perms(0640));
    const e2e::Run run = e2e::run_tool({"html", "a.kerfa", "out.html"}, {.cwd = dir.path()});
    EXPECT_EQ(run.status, 0);
    struct stat status {};
    ASSERT_EQ(::lstat(out.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 65534U);
    EXPECT_EQ(status.st_gid, 65534U);
    EXPECT_EQ(status.st_mode & 07777, 0640U);
    EXPECT_NE(e2e::read_file(out), kOld);
}

// No temporary file can be made beside a file the user may write in a folder they may not: the
// file is written in place, as it was before outputs were replaced whole.
TEST(SafeWrites, WritableFileInAShutFolderIsWrittenInPlace) {
    e2e::TempDir dir;
    fs::permissions(dir.path(), fs::perms(0755));
    const fs::path folder = dir.path() / "shut";
    fs::create_directory(folder);
    dir.write("shut/a.kerfa", kDocument);
    fs::permissions(dir.write("shut/out.html", kOld), fs::perms(0666));
    const e2e::Options here{.cwd = folder};
    const std::string page = e2e::run_tool({"html", "a.kerfa"}, here).out;
    fs::permissions(folder, fs::perms(0555));

    // The superuser may write into any folder, so the tool runs as nobody there.
    std::string program = e2e::tool_path();
    std::vector<std::string> arguments = {"html", "a.kerfa", "out.html"};
    if (::geteuid() == 0) {
        arguments.insert(arguments.begin(),
                         {"--reuid=65534", "--regid=65534", "--clear-groups", program});
        program = "setpriv";
    }
    const e2e::Run run = e2e::run_program(program, arguments, here);
    fs::permissions(folder, fs::perms(0755));
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Done.\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(e2e::read_file(folder / "out.html"), page.substr(0, page.size() - 1));
    EXPECT_EQ(entries(folder), (std::vector<std::string>{"a.kerfa", "out.html"}));
}

// Under a file-size limit the write fails like any other: a message, status 1, the old file.
TEST(SafeWrites, FileSizeLimitIsAWriteError) {
    e2e::TempDir dir;
    dir.write("big.kerfa", big_document(200'000));
    dir.write("out.html", kOld);
    const fs::path export_folder = claude_export(dir, 200'000);
    const fs::path chats = dir.path() / "chats";
    fs::create_directory(chats);
    dir.write("chats/2024-05-06 - Trip.kerfa", kOld);

    struct Case {
        std::vector<std::string> arguments;
        std::string out;
    };
    const std::vector<Case> cases{
        {{"html", "big.kerfa", "out.html"}, "File too large\n\n"},
        {{"-s", "ai-chats", export_folder.string(), chats.string()},
         "Failed to write " + (chats / "2024-05-06 - Trip.kerfa").string() +
             ": File too large\n\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> line{"-c", R"(ulimit -f 16 && exec "$0" "$@")", e2e::tool_path()};
        line.insert(line.end(), c.arguments.begin(), c.arguments.end());
        const e2e::Run run = e2e::run_program(
            "sh", line, {.cwd = dir.path(), .env = {{"CLICOLOR_FORCE", std::nullopt}}});
        EXPECT_EQ(run.out, c.out) << c.arguments[0];
        EXPECT_EQ(run.err, "") << c.arguments[0];
        EXPECT_EQ(run.status, 1) << c.arguments[0];
    }
    EXPECT_EQ(e2e::read_file(dir.path() / "out.html"), kOld);
    EXPECT_EQ(e2e::read_file(chats / "2024-05-06 - Trip.kerfa"), kOld);
    EXPECT_EQ(entries(dir.path()),
              (std::vector<std::string>{"big.kerfa", "chats", "export", "out.html"}));
    EXPECT_EQ(entries(chats), std::vector<std::string>{"2024-05-06 - Trip.kerfa"});
}

// A small tmpfs, mounted for the test when it runs as the superuser; every output below is
// larger than the whole of it.
class FullFileSystem : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "mounting a small file system needs the superuser";
        }
        mount_ = dir_.path() / "small";
        fs::create_directory(mount_);
        if (::mount("tmpfs", mount_.c_str(), "tmpfs", 0, "size=256k,mode=0755") != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(errno);
        }
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) {
            EXPECT_EQ(::umount(mount_.c_str()), 0) << std::strerror(errno);
        }
    }

    e2e::TempDir dir_;
    fs::path mount_;
    bool mounted_ = false;
};

TEST_F(FullFileSystem, FailedWritesKeepTheOldFiles) {
    dir_.write("big.kerfa", big_document(400'000));
    const fs::path export_folder = claude_export(dir_, 400'000);
    fs::create_directories(mount_ / "chats");
    fs::create_directories(mount_ / "notes");
    const std::string out = (mount_ / "out.html").string();
    const std::string document = (mount_ / "chats" / "2024-05-06 - Trip.kerfa").string();
    const std::string index = (mount_ / "notes" / "Index.kerfa").string();
    for (const std::string& old : {out, document, index}) {
        std::ofstream(old, std::ios::binary) << kOld;
    }
    // Empty files take no room on a tmpfs, but their names make an index larger than it.
    const std::string padding(100, 'n');
    for (int i = 0; i < 4000; ++i) {
        std::ofstream(mount_ / "notes" / (padding + std::to_string(i) + ".md"));
    }

    struct Case {
        std::vector<std::string> arguments;
        std::string out;
    };
    const std::vector<Case> cases{
        {{"html", "big.kerfa", out}, "No space left on device\n\n"},
        {{"-s", "ai-chats", export_folder.string(), (mount_ / "chats").string()},
         "Failed to write " + document + ": No space left on device\n\n"},
        {{"-s", "index", (mount_ / "notes").string()},
         "Failed to write " + index + ": No space left on device\n\n"},
    };
    for (const Case& c : cases) {
        const e2e::Run run = e2e::run_tool(c.arguments, {.cwd = dir_.path()});
        EXPECT_EQ(run.out, c.out) << c.arguments[1];
        EXPECT_EQ(run.status, 1) << c.arguments[1];
    }
    for (const std::string& old : {out, document, index}) {
        EXPECT_EQ(e2e::read_file(old), kOld) << old;
    }
    EXPECT_EQ(entries(mount_), (std::vector<std::string>{"chats", "notes", "out.html"}));
    EXPECT_EQ(entries(mount_ / "chats"), std::vector<std::string>{"2024-05-06 - Trip.kerfa"});
    EXPECT_EQ(entries(mount_ / "notes").size(), 4001U);
}

}  // namespace
