// End to end on the built binary: the ai-chats command.
//
// Whole runs are tests as data. ai_chats/<provider>/export is a synthetic export (never real
// user data), copied into a fresh folder for each run. ai_chats/<provider>/<form>/stdout is what
// the run must print and ai_chats/<provider>/<form>/output the whole tree it must write into the
// default output folder, byte for byte: a missing, extra or different file fails. After a
// deliberate change of the output, run this test binary with KERFA_UPDATE_EXPECTED=1 to rewrite
// those folders from what the binary does, then read the diff before committing it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "e2e.hpp"

namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(KERFA_TESTS_DIR) / "ai_chats";
// The modification time of memories.json, which dates the memory documents: 2024-05-10 12:00 UTC.
constexpr time_t kMemoriesTime = 1715342400;

const std::string kStart =
    "\n\x1b[92mConverting AI conversations to kerfa...\x1b[0m\n\n"
    "Format: \x1b[93m";
const std::string kConverting = "\x1b[0m\n\nConverting...\n";

std::string start_lines(const std::string& provider) {
    return kStart + provider + kConverting;
}

std::string end_lines(const std::string& index) {
    return index + " created.\n\n\x1b[92mDone.\x1b[0m\n\n";
}

// Every entry below the folder: a file's bytes, or no bytes for a folder.
using Tree = std::map<std::string, std::optional<std::string>>;

Tree read_tree(const fs::path& folder) {
    Tree tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        if (entry.is_directory()) {
            tree[name] = std::nullopt;
        } else {
            tree[name] = e2e::read_file(entry.path());
        }
    }
    return tree;
}

std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : read_tree(folder)) {
        names.push_back(name);
    }
    return names;
}

// A copy of the export, with its memories dated as the expected documents are.
fs::path copy_export(const e2e::TempDir& dir, const std::string& provider) {
    const fs::path copy = dir.path() / "export";
    fs::copy(kData / provider / "export", copy, fs::copy_options::recursive);
    const fs::path memories = copy / "memories.json";
    if (fs::exists(memories)) {
        const timespec times[2] = {{kMemoriesTime, 0}, {kMemoriesTime, 0}};
        EXPECT_EQ(::utimensat(AT_FDCWD, memories.c_str(), times, 0), 0);
    }
    return copy;
}

// The name without its ".kerfa" or ".md", as an index shows it.
std::string_view stem_of(std::string_view name) {
    return name.substr(0, name.rfind('.'));
}

e2e::Run run_ai_chats(std::vector<std::string> arguments,
                      std::optional<std::string> index_variable = std::nullopt) {
    arguments.insert(arguments.begin(), "ai-chats");
    return e2e::run_tool(arguments, {.env = {{"KERFA_TOOL_INDEX_NAME", index_variable}}});
}

void expect_same_tree(const Tree& actual, const Tree& expected, const std::string& label) {
    for (const auto& [name, bytes] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end()) {
            ADD_FAILURE() << label << ": missing " << name;
        } else {
            EXPECT_EQ(found->second, bytes) << label << ": " << name;
        }
    }
    for (const auto& [name, bytes] : actual) {
        EXPECT_TRUE(expected.contains(name)) << label << ": extra " << name;
    }
}

void write_expected(const fs::path& expected, const e2e::Run& run, const fs::path& output) {
    fs::remove_all(expected);
    fs::create_directories(expected);
    fs::copy(output, expected / "output", fs::copy_options::recursive);
    std::ofstream(expected / "stdout", std::ios::binary) << run.out;
}

struct WholeRun {
    std::string provider;  // folder under ai_chats
    std::string form;      // "kerfa" or "markdown"
};

class AiChatsWholeRun : public ::testing::TestWithParam<WholeRun> {};

TEST_P(AiChatsWholeRun, WritesTheExpectedTreeAndLines) {
    const WholeRun& param = GetParam();
    e2e::TempDir dir;
    const fs::path export_folder = copy_export(dir, param.provider);
    std::vector<std::string> arguments{export_folder.string()};
    if (param.form == "markdown") {
        arguments.push_back("-m");
    }
    const e2e::Run run = run_ai_chats(arguments);
    const fs::path output = export_folder / (param.form == "markdown" ? "Markdown" : "Kerfa");
    const fs::path expected = kData / param.provider / param.form;
    const std::string label = param.provider + " " + param.form;
    ASSERT_EQ(run.status, 0) << label << "\n" << run.out;
    EXPECT_EQ(run.err, "");
    if (std::getenv("KERFA_UPDATE_EXPECTED") != nullptr) {
        write_expected(expected, run, output);
        GTEST_SKIP() << "rewrote " << expected;
    }
    EXPECT_EQ(run.out, e2e::read_file(expected / "stdout")) << label;
    expect_same_tree(read_tree(output), read_tree(expected / "output"), label);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, AiChatsWholeRun,
    ::testing::Values(WholeRun{"chatgpt", "kerfa"}, WholeRun{"chatgpt", "markdown"},
                      WholeRun{"claude", "kerfa"}, WholeRun{"claude", "markdown"}),
    [](const auto& info) { return info.param.provider + "_" + info.param.form; });

// Every Kerfa document a run writes reads back without a format error, message bodies with
// headings included.
TEST(AiChats, KerfaDocumentsReadBackWithoutErrors) {
    for (const std::string provider : {"chatgpt", "claude"}) {
        e2e::TempDir dir;
        const fs::path export_folder = copy_export(dir, provider);
        ASSERT_EQ(run_ai_chats({export_folder.string(), "-s"}).status, 0) << provider;
        std::size_t documents = 0;
        for (const auto& entry : fs::recursive_directory_iterator(export_folder / "Kerfa")) {
            if (!entry.is_regular_file() || entry.path().extension() != ".kerfa") {
                continue;
            }
            ++documents;
            const e2e::Run test = e2e::run_tool({"test", entry.path().string()});
            EXPECT_TRUE(test.out.ends_with("Valid Document \U0001F44D\n")) << entry.path() << "\n"
                                                                           << test.out;
            EXPECT_EQ(test.status, 0) << entry.path();
        }
        EXPECT_GT(documents, 1u) << provider;
    }
}

// A second run over the default folder, which lies inside the export, writes the same tree
// again: the first run's copies are neither matched as sources nor copied onto themselves.
TEST(AiChats, SecondRunOverTheDefaultFolder) {
    e2e::TempDir dir;
    const fs::path export_folder = copy_export(dir, "chatgpt");
    const Tree sources = read_tree(kData / "chatgpt" / "export");
    for (int run_number = 1; run_number <= 2; ++run_number) {
        const e2e::Run run = run_ai_chats({export_folder.string()});
        EXPECT_EQ(run.status, 0) << run_number;
        EXPECT_EQ(run.out, e2e::read_file(kData / "chatgpt" / "kerfa" / "stdout")) << run_number;
        expect_same_tree(read_tree(export_folder / "Kerfa"),
                         read_tree(kData / "chatgpt" / "kerfa" / "output"),
                         "run " + std::to_string(run_number));
    }
    Tree after = read_tree(export_folder);
    std::erase_if(after, [](const auto& entry) { return entry.first.starts_with("Kerfa"); });
    expect_same_tree(after, sources, "export after two runs");
}

// Written into the export folder itself, the second run matches the first run's copies and
// copies each onto itself: the copy is skipped, and no image is truncated.
TEST(AiChats, SecondRunIntoTheExportFolderItself) {
    e2e::TempDir dir;
    const fs::path export_folder = copy_export(dir, "chatgpt");
    const Tree expected = read_tree(kData / "chatgpt" / "kerfa" / "output");
    for (int run_number = 1; run_number <= 2; ++run_number) {
        const e2e::Run run = run_ai_chats({export_folder.string(), export_folder.string(), "-s"});
        EXPECT_EQ(run.out, "") << run_number;
        EXPECT_EQ(run.status, 0) << run_number;
        Tree written = read_tree(export_folder);
        std::erase_if(written,
                      [&expected](const auto& entry) { return !expected.contains(entry.first); });
        expect_same_tree(written, expected, "run " + std::to_string(run_number));
    }
    expect_same_tree(read_tree(export_folder / "dalle-generations"),
                     read_tree(kData / "chatgpt" / "export" / "dalle-generations"), "sources");
}

// A Claude export of one conversation, written by the test.
fs::path small_export(const e2e::TempDir& dir,
                      std::string_view conversations =
                          R"([{"name":"Trip","created_at":"2024-05-06",)"
                          R"("chat_messages":[{"sender":"human",)"
                          R"("content":[{"type":"text","text":"Hi"}]}]}])") {
    const fs::path folder = dir.path() / "export";
    fs::create_directory(folder);
    dir.write("export/conversations.json", conversations);
    return folder;
}

// A ChatGPT export of one conversation showing one image, file-A.png.
fs::path image_export(const e2e::TempDir& dir) {
    const fs::path folder = dir.path() / "export";
    fs::create_directory(folder);
    dir.write("export/user.json", "{}");
    dir.write("export/file-A.png", "image");
    dir.write("export/conversations.json",
              R"([{"title":"Pics","create_time":1714953600,"current_node":"n","mapping":{"n":{)"
              R"("message":{"author":{"role":"user"},"content":{"content_type":"multimodal_text",)"
              R"("parts":[{"content_type":"image_asset_pointer","asset_pointer":"file-A"}]}}}}}])");
    return folder;
}

TEST(AiChats, IndexNamesSetTheIndexAndTheFormat) {
    struct Case {
        std::vector<std::string> options;
        std::optional<std::string> variable;
        std::string folder;  // the default output folder used
        std::string index;
    };
    const std::vector<Case> cases = {
        {{}, std::nullopt, "Kerfa", "Index.kerfa"},
        {{"--index=Chats"}, std::nullopt, "Kerfa", "Chats.kerfa"},
        {{"--index=Chats.md"}, std::nullopt, "Markdown", "Chats.md"},
        {{"--index=Chats", "-m"}, std::nullopt, "Markdown", "Chats.md"},
        {{"--index=Chats.kerfa", "--md"}, std::nullopt, "Kerfa", "Chats.kerfa"},
        {{"--markdown"}, "Contents", "Markdown", "Contents.md"},
        {{}, "Contents.md", "Markdown", "Contents.md"},
        {{}, "", "Kerfa", "Index.kerfa"},
        {{"--index="}, "Contents", "Kerfa", ".kerfa"},
    };
    for (const Case& c : cases) {
        e2e::TempDir dir;
        const fs::path folder = small_export(dir);
        std::vector<std::string> arguments{folder.string()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const std::string label = c.index + " " + c.variable.value_or("(unset)");
        const e2e::Run run = run_ai_chats(arguments, c.variable);
        EXPECT_EQ(run.out,
                  start_lines("Claude") + "Converted 1 conversations.\n" + end_lines(c.index))
            << label;
        EXPECT_EQ(run.status, 0) << label;
        const std::string extension = c.folder == "Markdown" ? ".md" : ".kerfa";
        std::vector<std::string> written{"2024-05-06 - Trip" + extension, c.index};
        std::ranges::sort(written);
        EXPECT_EQ(entries(folder / c.folder), written) << label;
    }
}

// An index named like a memory document leaves it be: the memory document, planned after the
// index's name is taken, gets the next free name, as a conversation's document would.
TEST(AiChats, IndexNamedLikeAMemoryDocument) {
    struct Case {
        std::string index;
        std::string form;  // of the expected tree
        std::string memory;
        std::string renamed;
    };
    const std::vector<Case> cases{
        {"\u00b7 Memories - 2024-05-10", "kerfa", "\u00b7 Memories - 2024-05-10.kerfa",
         "\u00b7 Memories - 2024-05-10 - 2.kerfa"},
        {"\u00b7 Projects - 2024-05-10.md", "markdown", "\u00b7 Projects - 2024-05-10.md",
         "\u00b7 Projects - 2024-05-10 - 2.md"},
    };
    for (const Case& c : cases) {
        e2e::TempDir dir;
        const fs::path folder = copy_export(dir, "claude");
        const e2e::Run run = run_ai_chats({folder.string(), "--index=" + c.index});
        EXPECT_EQ(run.status, 0) << c.index;
        EXPECT_NE(run.out.find("Converted 2 memories.\n" + c.memory + " created.\n"),
                  std::string::npos)
            << run.out;
        const fs::path output = folder / (c.form == "kerfa" ? "Kerfa" : "Markdown");
        const fs::path expected = kData / "claude" / c.form / "output";
        EXPECT_EQ(e2e::read_file(output / c.renamed), e2e::read_file(expected / c.memory));
        const std::string index = e2e::read_file(output / c.memory);
        const std::string shown(stem_of(c.renamed));
        EXPECT_NE(index.find(shown), std::string::npos) << index;
        EXPECT_EQ(entries(output).size(), entries(expected).size()) << c.index;
    }
}

TEST(AiChats, OutputOperandAndRelativeFolders) {
    e2e::TempDir dir;
    small_export(dir);
    const e2e::Run run = e2e::run_tool({"ai", "export", "out/deeper", "-s"},
                                       {.cwd = dir.path(), .env = {{"KERFA_TOOL_INDEX_NAME", {}}}});
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(entries(dir.path() / "out"),
              (std::vector<std::string>{"deeper", "deeper/2024-05-06 - Trip.kerfa",
                                        "deeper/Index.kerfa"}));
    EXPECT_EQ(e2e::read_file(dir.path() / "out" / "deeper" / "2024-05-06 - Trip.kerfa"),
              "# Trip\n2024-05-06\n\n## User\n<meta>created <>\n\n<in>Hi<>\n");
    EXPECT_EQ(e2e::read_file(dir.path() / "out" / "deeper" / "Index.kerfa"),
              "###### <font-size 2em>Index<>\n<meta>index: none<>\n\n"
              "###### <doc>2024-05-06 - Trip<>");
}

TEST(AiChats, ProviderOptions) {
    e2e::TempDir dir;
    const fs::path folder = small_export(dir);
    // Read as ChatGPT, the Claude conversation has no messages, so nothing is converted.
    e2e::Run run = run_ai_chats({folder.string(), "--gpt"});
    EXPECT_EQ(run.out,
              start_lines("ChatGPT") + "Converted 0 conversations.\n" + end_lines("Index.kerfa"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(e2e::read_file(folder / "Kerfa" / "Index.kerfa"),
              "###### <font-size 2em>Index<>\n<meta>index: none<>\n");

    dir.write("export/user.json", R"({"full_name":"Ada"})");
    run = run_ai_chats({folder.string(), "--claude", "-s"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(e2e::read_file(folder / "Kerfa" / "2024-05-06 - Trip.kerfa"),
              "# Trip\n2024-05-06\n\n## User\n<meta>created <>\n\n<in>Hi<>\n");

    // Both: refused before the folder is even looked at.
    for (const std::string& target : {folder.string(), (dir.path() / "missing").string()}) {
        run = run_ai_chats({target, "--chatgpt", "--claude"});
        EXPECT_EQ(run.out, "Cannot use both --chatgpt and --claude.\n\n");
        EXPECT_EQ(run.status, 1);
    }
}

// Each failure of the plan is one line, status 1, and nothing is written: not even the output
// folder.
TEST(AiChats, PlanningFailuresWriteNothing) {
    struct Case {
        std::string what;
        std::string conversations;  // none: no conversations.json
        std::string memories;       // none: no memories.json
        std::vector<std::string> options;
        std::string message;  // after the path of the file or folder named
    };
    const std::vector<Case> cases = {
        {"no conversations.json", "", "", {}, "No conversations.json found in "},
        {"broken JSON", "[{", "", {}, "Failed to parse JSON in "},
        {"not an array", "{}", "", {}, "Failed to parse JSON in "},
        {"invalid UTF-8", "[\"\xC3\x28\"]", "", {}, "Failed to read "},
        {"broken memories.json", "[]", "{\"a\":", {}, "Failed to parse JSON in "},
        {"bad index name", "[{", "", {"--index=Chats.txt"}, "Invalid index file extension"},
    };
    for (const Case& c : cases) {
        e2e::TempDir dir;
        const fs::path folder = dir.path() / "export";
        fs::create_directory(folder);
        std::string named = folder.string();
        if (!c.conversations.empty()) {
            named = dir.write("export/conversations.json", c.conversations).string();
        }
        if (!c.memories.empty()) {
            named = dir.write("export/memories.json", c.memories).string();
        }
        const std::vector<std::string> before = entries(folder);
        std::vector<std::string> arguments{folder.string()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const e2e::Run run = run_ai_chats(arguments);
        EXPECT_TRUE(run.out.starts_with(c.message)) << c.what << ": " << run.out;
        if (c.message != "Invalid index file extension") {
            EXPECT_TRUE(run.out.starts_with(c.message + named)) << c.what << ": " << run.out;
        }
        EXPECT_TRUE(run.out.ends_with("\n\n")) << c.what;
        EXPECT_EQ(run.out.find('\n'), run.out.size() - 2) << c.what;
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_EQ(entries(folder), before) << c.what;
    }

    e2e::TempDir dir;
    const std::string missing = (dir.path() / "missing").string();
    const std::string file = dir.write("file", "x").string();
    e2e::Run run = run_ai_chats({missing, "-s", "--index=Chats.txt"});
    EXPECT_EQ(run.out, "Directory not found: " + missing + "\n\n");
    EXPECT_EQ(run.status, 1);
    run = run_ai_chats({file});
    EXPECT_EQ(run.out, "Not a directory: " + file + "\n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"file"});
}

TEST(AiChats, WriteFailuresStopTheRun) {
    e2e::TempDir dir;
    const fs::path folder = small_export(dir);
    const std::string document = "2024-05-06 - Trip.kerfa";

    // A file where the output folder should be passes the folder check and fails the first write.
    const std::string blocked = dir.write("blocked", "x").string();
    e2e::Run run = run_ai_chats({folder.string(), blocked});
    EXPECT_EQ(run.out, start_lines("Claude") + "Failed to write " + blocked + "/" + document +
                           ": Not a directory\n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(e2e::read_file(blocked), "x");

    // A link in the output folder is never written through: at a document, then at the index.
    const fs::path out = dir.path() / "out";
    fs::create_directory(out);
    fs::create_symlink("/dev/full", out / document);
    run = run_ai_chats({folder.string(), out.string(), "-s"});
    EXPECT_EQ(run.out, "Failed to write " + (out / document).string() +
                           ": Too many levels of symbolic links\n\n");
    EXPECT_EQ(run.status, 1);
    fs::remove(out / document);
    fs::create_symlink("/dev/full", out / "Index.kerfa");
    run = run_ai_chats({folder.string(), out.string()});
    EXPECT_EQ(run.out, start_lines("Claude") + "Converted 1 conversations.\nFailed to write " +
                           (out / "Index.kerfa").string() +
                           ": Too many levels of symbolic links\n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(fs::is_regular_file(out / document));  // what was written stays

    // A FIFO with no reader fails at once instead of hanging the run.
    fs::remove(out / "Index.kerfa");
    fs::remove(out / document);
    ASSERT_EQ(::mkfifo((out / document).c_str(), 0600), 0);
    run = run_ai_chats({folder.string(), out.string(), "-s"});
    EXPECT_EQ(run.out,
              "Failed to write " + (out / document).string() + ": No such device or address\n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(fs::is_fifo(out / document));
    EXPECT_FALSE(fs::exists(out / "Index.kerfa"));
    fs::remove(out / document);
}

TEST(AiChats, ImageCopyFailures) {
    e2e::TempDir dir;
    const fs::path folder = image_export(dir);
    const fs::path out = dir.path() / "out";
    fs::create_directory(out);
    dir.write("out/2024-05-06 - Pics", "a file where the image folder goes");
    const e2e::Run run = run_ai_chats({folder.string(), out.string(), "-s"});
    EXPECT_EQ(run.out, "Failed to copy image " + (folder / "file-A.png").string() + " to " +
                           (out / "2024-05-06 - Pics" / "file-A.png").string() +
                           ": Not a directory\n\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(e2e::read_file(out / "2024-05-06 - Pics.kerfa"),
              "# Pics\n2024-05-06\n\n## User\n<meta>created <>\n\n<in><image \"file-A.png\"><>\n");
    EXPECT_FALSE(fs::exists(out / "Index.kerfa"));
}

// An export that already holds its default output folder with links in it, named like what the
// run writes: each write there fails, and the file the link points at is never touched.
TEST(AiChats, NeverWritesThroughAPlantedLink) {
    const std::string loop = ": Too many levels of symbolic links\n\n";
    const std::string precious = "precious";
    struct Case {
        std::string planted;  // the link's path inside export/Kerfa
        bool in_image_folder;
        std::string message;  // before the link's whole path, or the image's target path
    };
    const std::vector<Case> cases{
        {"2024-05-06 - Pics.kerfa", false, "Failed to write "},
        {"Index.kerfa", false, "Converted 1 conversations.\nFailed to write "},
        {"2024-05-06 - Pics", false, "Failed to copy image "},
        {"2024-05-06 - Pics/file-A.png", true, "Failed to copy image "},
    };
    for (const Case& c : cases) {
        e2e::TempDir dir;
        const fs::path folder = image_export(dir);
        const fs::path kerfa = folder / "Kerfa";
        fs::create_directories(kerfa / "2024-05-06 - Pics");
        if (!c.in_image_folder) {
            fs::remove(kerfa / "2024-05-06 - Pics");
        }
        const fs::path victim = dir.write("victim", precious);
        fs::create_symlink(c.planted == "2024-05-06 - Pics" ? dir.path() : victim,
                           kerfa / c.planted);
        const e2e::Run run = run_ai_chats({folder.string()});
        const std::string image = (kerfa / "2024-05-06 - Pics" / "file-A.png").string();
        const std::string named = c.message == "Failed to copy image "
                                      ? (folder / "file-A.png").string() + " to " + image
                                      : (kerfa / c.planted).string();
        EXPECT_TRUE(run.out.ends_with(c.message + named + loop)) << c.planted << "\n" << run.out;
        EXPECT_EQ(run.status, 1) << c.planted;
        EXPECT_EQ(e2e::read_file(victim), precious) << c.planted;
        EXPECT_TRUE(fs::is_symlink(kerfa / c.planted)) << c.planted;
        EXPECT_FALSE(fs::exists(dir.path() / "file-A.png")) << c.planted;
    }

    // A dangling link creates nothing where it points; the default folder itself may not be a
    // link either, while an output folder the user names may.
    e2e::TempDir dir;
    const fs::path folder = image_export(dir);
    const fs::path elsewhere = dir.path() / "elsewhere";
    fs::create_directory(folder / "Kerfa");
    fs::create_symlink(elsewhere / "made", folder / "Kerfa" / "2024-05-06 - Pics.kerfa");
    e2e::Run run = run_ai_chats({folder.string(), "-s"});
    EXPECT_EQ(run.out,
              "Failed to write " + (folder / "Kerfa" / "2024-05-06 - Pics.kerfa").string() + loop);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(fs::exists(elsewhere));
    fs::remove_all(folder / "Kerfa");
    fs::create_directory(elsewhere);
    fs::create_symlink(elsewhere, folder / "Kerfa");
    run = run_ai_chats({folder.string(), "-s"});
    EXPECT_EQ(run.out,
              "Failed to write " + (folder / "Kerfa" / "2024-05-06 - Pics.kerfa").string() + loop);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(entries(elsewhere).empty());

    run = run_ai_chats({folder.string(), (folder / "Kerfa").string(), "-s"});
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(entries(elsewhere),
              (std::vector<std::string>{"2024-05-06 - Pics", "2024-05-06 - Pics.kerfa",
                                        "2024-05-06 - Pics/file-A.png", "Index.kerfa"}));
    EXPECT_EQ(e2e::read_file(elsewhere / "2024-05-06 - Pics" / "file-A.png"), "image");
}

}  // namespace
