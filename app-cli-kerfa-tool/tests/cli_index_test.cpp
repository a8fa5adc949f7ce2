// End to end on the built binary: the index command.

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "e2e.hpp"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view KERFA_HEAD = "###### <font-size 2em>Index<>\n<meta>index: none<>\n";

using e2e::entries;

e2e::Run run_without_variable(const std::vector<std::string>& arguments,
                              std::optional<std::string> variable = std::nullopt) {
    return e2e::run_tool(arguments, {.env = {{"KERFA_TOOL_INDEX_NAME", std::move(variable)}}});
}

TEST(CliIndex, EmptyFolder) {
    e2e::TempDir dir;
    const std::string folder = dir.path().string();
    e2e::Run run = run_without_variable({"index", folder});
    EXPECT_EQ(run.out, "Found 0 files.\nIndex.kerfa created.\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(e2e::read_file(dir.path() / "Index.kerfa"), KERFA_HEAD);

    e2e::TempDir other;
    run = run_without_variable({"index", "-m", other.path().string()});
    EXPECT_EQ(run.out, "Found 0 files.\nIndex.md created.\n");
    EXPECT_EQ(e2e::read_file(other.path() / "Index.md"), "# Index\n");
}

TEST(CliIndex, ListsTheDocumentsSortedByBytes) {
    e2e::TempDir dir;
    for (const char* name : {"a.txt", "B.md", "c d.kerfa", "ü.text", "report.final.md", "NOTES.MD",
                             ".md", "notes.TXT", "image.png"}) {
        dir.write(name, "x");
    }
    fs::create_directory(dir.path() / "sub.md");
    ASSERT_EQ(::mkfifo((dir.path() / "pipe.md").c_str(), 0600), 0);
    fs::create_symlink("missing.md", dir.path() / "dangling.md");
    const std::string folder = dir.path().string();

    e2e::Run run = run_without_variable({"index", folder});
    EXPECT_EQ(run.out, "Found 5 files.\nIndex.kerfa created.\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(e2e::read_file(dir.path() / "Index.kerfa"), std::string(KERFA_HEAD) +
                                                              "\n###### <doc>B<>"
                                                              "\n###### <doc>a<>"
                                                              "\n###### <doc>c d<>"
                                                              "\n###### <doc>report.final<>"
                                                              "\n###### <doc>ü<>");

    // The second run lists the first one's index.
    run = run_without_variable({"index", folder, "--markdown"});
    EXPECT_EQ(run.out, "Found 6 files.\nIndex.md created.\n");
    EXPECT_EQ(e2e::read_file(dir.path() / "Index.md"),
              "# Index\n"
              "\n###### [B](B.md)"
              "\n###### [Index](Index.kerfa)"
              "\n###### [a](a.txt)"
              "\n###### [c d](c%20d.kerfa)"
              "\n###### [report.final](report.final.md)"
              "\n###### [ü](ü.text)");
}

// A control character in a file name is escaped, so that each entry stays on its one line.
TEST(CliIndex, ControlCharactersInNamesStayOnTheEntrysLine) {
    e2e::TempDir dir;
    for (const char* name : {"line\nfeed.md", "carriage\rreturn.txt", "bell\x07.kerfa"}) {
        dir.write(name, "x");
    }
    e2e::Run run = run_without_variable({"-s", "index", dir.path().string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(e2e::read_file(dir.path() / "Index.kerfa"), std::string(KERFA_HEAD) +
                                                              "\n###### <doc>bell\x07<>"
                                                              "\n###### <doc>carriage\\rreturn<>"
                                                              "\n###### <doc>line\\nfeed<>");
    run = run_without_variable({"-s", "index", "-m", dir.path().string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(e2e::read_file(dir.path() / "Index.md"),
              "# Index\n"
              "\n###### [Index](Index.kerfa)"
              "\n###### [bell&#x7;](bell%07.kerfa)"
              "\n###### [carriage&#xD;return](carriage%0Dreturn.txt)"
              "\n###### [line&#xA;feed](line%0Afeed.md)");
}

TEST(CliIndex, IndexNamesFromTheOptionAndTheEnvironment) {
    struct Case {
        std::vector<std::string> options;
        std::optional<std::string> variable;
        std::string file_name;
        bool markdown;
    };
    const std::vector<Case> cases{
        {{"--index=Notes.md"}, std::nullopt, "Notes.md", true},
        {{"--index=Notes", "-m"}, std::nullopt, "Notes.md", true},
        {{"--index=Notes.kerfa", "--md"}, std::nullopt, "Notes.kerfa", false},
        {{"--index=Notes"}, std::nullopt, "Notes.kerfa", false},
        {{"--index="}, std::nullopt, ".kerfa", false},
        {{"--index="}, "Contents", ".kerfa", false},
        {{}, "Contents", "Contents.kerfa", false},
        {{"-m"}, "Contents", "Contents.md", true},
        {{}, "Contents.md", "Contents.md", true},
        {{"--index=Notes"}, "Contents.md", "Notes.kerfa", false},
        {{}, "", "Index.kerfa", false},
        {{}, "Caf\xe9", "Index.kerfa", false},
    };
    for (const Case& c : cases) {
        e2e::TempDir dir;
        dir.write("a.md", "x");
        std::vector<std::string> arguments{"index", dir.path().string()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const std::string label = c.file_name + " " + c.variable.value_or("(unset)");
        e2e::Run run = run_without_variable(arguments, c.variable);
        EXPECT_EQ(run.out, "Found 1 files.\n" + c.file_name + " created.\n") << label;
        EXPECT_EQ(run.status, 0) << label;
        EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{c.file_name, "a.md"})) << label;
        EXPECT_EQ(e2e::read_file(dir.path() / c.file_name),
                  c.markdown ? "# Index\n\n###### [a](a.md)"
                             : std::string(KERFA_HEAD) + "\n###### <doc>a<>")
            << label;
    }
}

TEST(CliIndex, SilentPrintsNothingButErrors) {
    e2e::TempDir dir;
    dir.write("a.md", "x");
    e2e::Run run = run_without_variable({"-s", "index", dir.path().string()});
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(e2e::read_file(dir.path() / "Index.kerfa"),
              std::string(KERFA_HEAD) + "\n###### <doc>a<>");
    run = run_without_variable({"index", "--silent", (dir.path() / "missing").string()});
    EXPECT_EQ(run.out, "Directory not found: " + (dir.path() / "missing").string() + "\n\n");
    EXPECT_EQ(run.status, 1);
}

TEST(CliIndex, RelativeFolders) {
    e2e::TempDir dir;
    fs::create_directory(dir.path() / "notes");
    dir.write("notes/a.md", "x");
    for (const char* folder : {"notes", "notes/", "./notes"}) {
        e2e::Run run = e2e::run_tool(
            {"index", folder}, {.cwd = dir.path(), .env = {{"KERFA_TOOL_INDEX_NAME", "Notes"}}});
        EXPECT_EQ(run.out, "Found 1 files.\nNotes.kerfa created.\n") << folder;
        EXPECT_EQ(run.status, 0) << folder;
        EXPECT_EQ(entries(dir.path() / "notes"), (std::vector<std::string>{"Notes.kerfa", "a.md"}))
            << folder;
        fs::remove(dir.path() / "notes" / "Notes.kerfa");
    }
}

// Every failure is one line, status 1, and nothing is written unless the listing succeeded.
TEST(CliIndex, Failures) {
    e2e::TempDir dir;
    dir.write("a.md", "x");
    const std::string folder = dir.path().string();
    const std::string missing = (dir.path() / "missing").string();
    const std::string file = (dir.path() / "a.md").string();
    const std::string suffix = ". Use .kerfa, .md, or no extension.\n\n";
    struct Case {
        std::vector<std::string> arguments;
        std::string out;
    };
    const std::vector<Case> cases{
        {{"index", missing}, "Directory not found: " + missing + "\n\n"},
        {{"index", missing, "--index=Notes.txt"}, "Directory not found: " + missing + "\n\n"},
        {{"index", file}, "Not a directory: " + file + "\n\n"},
        {{"index", folder, "--index=Notes.txt"},
         "Invalid index file extension in 'Notes.txt'" + suffix},
        {{"index", folder, "--index=notes.KERFA"},
         "Invalid index file extension in 'notes.KERFA'" + suffix},
    };
    for (const Case& c : cases) {
        e2e::Run run = run_without_variable(c.arguments);
        EXPECT_EQ(run.out, c.out) << c.arguments[1];
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 1);
    }
    e2e::Run run = run_without_variable({"index", folder}, "Contents.txt");
    EXPECT_EQ(run.out, "Invalid index file extension in 'Contents.txt'" + suffix);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.md"});
}

TEST(CliIndex, FailedWriteComesAfterTheCount) {
    e2e::TempDir dir;
    dir.write("a.md", "x");
    const std::string path = (dir.path() / "Index.kerfa").string();
    e2e::Run run = e2e::run_program(
        "sh",
        {"-c", R"(ulimit -f 0 && exec "$0" "$@")", e2e::tool_path(), "index", dir.path().string()},
        {.env = {{"CLICOLOR_FORCE", std::nullopt}, {"KERFA_TOOL_INDEX_NAME", std::nullopt}}});
    EXPECT_EQ(run.out, "Found 1 files.\nFailed to write " + path + ": File too large\n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.md"});

    // A folder where the index should go.
    fs::create_directory(dir.path() / "Notes.md");
    const std::string notes = (dir.path() / "Notes.md").string();
    run = run_without_variable({"-s", "index", dir.path().string(), "--index=Notes.md"});
    EXPECT_EQ(run.out, "Failed to write " + notes + ": Is a directory\n\n");
    EXPECT_EQ(run.status, 1);
}

// The folder may have come from someone else (an unpacked archive), so a link at the index's
// name is never written through, whichever way the name was chosen; the folders the user names
// are followed.
TEST(CliIndex, NeverWritesThroughALinkAtTheIndexName) {
    const std::string loop = ": Too many levels of symbolic links\n\n";
    struct Case {
        std::vector<std::string> options;
        std::optional<std::string> variable;
        std::string planted;  // the link's path inside the folder
        int listed;           // a link to a document in the folder is listed
    };
    const std::vector<Case> cases{
        {{}, std::nullopt, "Index.kerfa", 2},
        {{"-m"}, std::nullopt, "Index.md", 2},
        {{"--index=Notes.md"}, std::nullopt, "Notes.md", 2},
        {{}, "Contents", "Contents.kerfa", 2},
        {{"--index=sub/Notes"}, std::nullopt, "sub/Notes.kerfa", 1},
    };
    for (const Case& c : cases) {
        e2e::TempDir dir;
        const fs::path folder = dir.path() / "folder";
        fs::create_directory(folder);
        dir.write("folder/a.md", "x");
        fs::create_directory(folder / "sub");
        const fs::path victim = dir.write("victim", "precious");
        fs::create_symlink(victim, folder / c.planted);
        std::vector<std::string> arguments{"index", folder.string()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const e2e::Run run = run_without_variable(arguments, c.variable);
        EXPECT_EQ(run.out, "Found " + std::to_string(c.listed) + " files.\nFailed to write " +
                               (folder / c.planted).string() + loop)
            << c.planted;
        EXPECT_EQ(run.err, "") << c.planted;
        EXPECT_EQ(run.status, 1) << c.planted;
        EXPECT_EQ(e2e::read_file(victim), "precious") << c.planted;
        EXPECT_TRUE(fs::is_symlink(folder / c.planted)) << c.planted;
    }

    // A dangling link creates nothing where it points.
    e2e::TempDir dir;
    fs::create_symlink(dir.path() / "made", dir.path() / "Index.kerfa");
    e2e::Run run = run_without_variable({"-s", "index", dir.path().string()});
    EXPECT_EQ(run.out, "Failed to write " + (dir.path() / "Index.kerfa").string() + loop);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(fs::exists(dir.path() / "made"));

    // The folder argument and a folder in the index name may be links.
    e2e::TempDir other;
    const fs::path real = other.path() / "real";
    fs::create_directory(real);
    other.write("real/a.md", "x");
    fs::create_symlink(real, other.path() / "named");
    run = run_without_variable({"index", (other.path() / "named").string()});
    EXPECT_EQ(run.out, "Found 1 files.\nIndex.kerfa created.\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(e2e::read_file(real / "Index.kerfa"), std::string(KERFA_HEAD) + "\n###### <doc>a<>");
    fs::create_symlink(other.path(), real / "up");
    run = run_without_variable({"index", (other.path() / "named").string(), "--index=up/Notes"});
    EXPECT_EQ(run.out, "Found 2 files.\nup/Notes.kerfa created.\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(fs::is_regular_file(other.path() / "Notes.kerfa"));
    EXPECT_TRUE(fs::is_symlink(other.path() / "named"));
}

TEST(CliIndex, UnreadableFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    e2e::TempDir dir;
    const fs::path locked = dir.path() / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_exec);
    e2e::Run run = run_without_variable({"index", locked.string()});
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(run.out, "Failed to read directory: Permission denied\n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(entries(locked).empty());
}

}  // namespace
