// End to end on the built binary: ai-chats on exports as users have them and as a hostile one
// may be packed: export files that are not regular files, JSON numbers, byte-order marks and
// error offsets, and the image walk over folders earlier runs wrote.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "e2e.hpp"

namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(KERFA_TESTS_DIR) / "ai_chats";

e2e::Run run_ai_chats(const std::vector<std::string>& arguments) {
    std::vector<std::string> all{"ai-chats"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    // A FIFO read as today would hang: the limit turns that into a failure.
    return e2e::run_tool(all, {.timeout_seconds = 20});
}

std::string claude_chat(const std::string& content) {
    return R"([{"name":"Trip","created_at":"2024-05-06","chat_messages":[{"sender":"human",)"
           R"("content":[)" +
           content + "]}]}]";
}

const std::string kClaudeChat = claude_chat(R"({"type":"text","text":"Hi"})");

// The one conversation document of a run into the default Kerfa folder.
std::string trip_document(const fs::path& folder) {
    return e2e::read_file(folder / "Kerfa" / "2024-05-06 - Trip.kerfa");
}

enum class Kind { Fifo, DevZero, Folder };

void make_special(const fs::path& path, Kind kind) {
    switch (kind) {
        case Kind::Fifo:
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
            break;
        case Kind::DevZero:
            fs::create_symlink("/dev/zero", path);
            break;
        case Kind::Folder:
            fs::create_directory(path);
            break;
    }
}

TEST(AiChatsExports, FilesThatAreNotRegularFilesFailOrFallBack) {
    struct Case {
        std::string name;  // the export file that is not a regular file
        Kind kind;
        bool fails;  // else the user name falls back to "User"
    };
    const std::vector<Case> cases = {
        {"conversations.json", Kind::Fifo, true},   {"conversations.json", Kind::DevZero, true},
        {"conversations.json", Kind::Folder, true}, {"memories.json", Kind::Fifo, true},
        {"memories.json", Kind::DevZero, true},     {"users.json", Kind::Fifo, false},
        {"users.json", Kind::DevZero, false},       {"user.json", Kind::Fifo, false},
        {"user.json", Kind::DevZero, false},
    };
    for (const Case& c : cases) {
        const std::string label = c.name + " kind " + std::to_string(static_cast<int>(c.kind));
        e2e::TempDir dir;
        const fs::path folder = dir.path() / "export";
        fs::create_directory(folder);
        const bool chatgpt = c.name == "user.json";
        if (c.name != "conversations.json") {
            dir.write("export/conversations.json",
                      chatgpt ? R"([{"title":"Trip","create_time":1715000000,"current_node":"a",)"
                                R"("mapping":{"a":{"message":{"author":{"role":"user"},)"
                                R"("content":{"content_type":"text","parts":["Hi"]}}}}}])"
                              : kClaudeChat);
        }
        const fs::path special = folder / c.name;
        make_special(special, c.kind);
        const e2e::Run run = run_ai_chats({folder.string(), "-s"});
        if (c.fails) {
            EXPECT_EQ(run.out, "Failed to read " + special.string() + ": not a regular file\n\n")
                << label;
            EXPECT_EQ(run.status, 1) << label;
            continue;
        }
        EXPECT_EQ(run.out, "") << label;
        EXPECT_EQ(run.status, 0) << label;
        std::string document;
        for (const auto& entry : fs::directory_iterator(folder / "Kerfa")) {
            if (entry.path().filename() != "Index.kerfa") {
                document = e2e::read_file(entry.path());
            }
        }
        EXPECT_NE(document.find("## User"), std::string::npos) << label << "\n" << document;
    }
}

// An integer beyond 64 bits, even under a key no reader uses, is a floating-point number; -0
// keeps its sign; both are written back so in a tool's input.
TEST(AiChatsExports, ReadsNumbersAsTheirJsonValues) {
    e2e::TempDir dir;
    const fs::path folder = dir.path() / "export";
    fs::create_directory(folder);
    const std::string tool =
        R"({"type":"tool_use","name":"t","input":{"big":18446744073709551675,"neg":-0,)"
        R"("neg_float":-0.0,"small":-9223372036854775808,"zero":0}})";
    std::string conversations = claude_chat(tool);
    conversations.insert(1, R"({"update_time":18446744073709551675,"name":"Other"},)");
    dir.write("export/conversations.json", conversations);
    const e2e::Run run = run_ai_chats({folder.string(), "-s"});
    ASSERT_EQ(run.out, "");
    EXPECT_EQ(run.status, 0);
    const std::string document = trip_document(folder);
    EXPECT_NE(document.find("{\n  \"big\": 1.8446744073709552e19,\n  \"neg\": -0.0,\n"
                            "  \"neg_float\": -0.0,\n  \"small\": -9223372036854775808,\n"
                            "  \"zero\": 0\n}"),
              std::string::npos)
        << document;

    // The same number in a ChatGPT export.
    dir.write("export/user.json", R"({"full_name":"Ada","update_time":18446744073709551675})");
    dir.write("export/conversations.json",
              R"([{"title":"Trip","update_time":18446744073709551675,"current_node":"a",)"
              R"("mapping":{"a":{"message":{"author":{"role":"user"},"weight":-0,)"
              R"("content":{"content_type":"text","parts":["Hi"]}}}}}])");
    const e2e::Run chatgpt = run_ai_chats({folder.string(), "-s"});
    EXPECT_EQ(chatgpt.out, "");
    EXPECT_EQ(chatgpt.status, 0);
}

// A leading byte-order mark is skipped in every export file; a JSON error names its byte offset
// in the file, the mark included.
TEST(AiChatsExports, ByteOrderMarksAndErrorOffsets) {
    const std::string mark = "\xEF\xBB\xBF";
    e2e::TempDir dir;
    const fs::path folder = dir.path() / "export";
    fs::create_directory(folder);
    dir.write("export/conversations.json", mark + kClaudeChat);
    dir.write("export/users.json", mark + R"({"full_name":"Ada"})");
    dir.write("export/memories.json", mark + R"({"conversations_memory":"Likes tea"})");
    e2e::Run run = run_ai_chats({folder.string(), "-s"});
    ASSERT_EQ(run.out, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(trip_document(folder).find("## Ada"), std::string::npos) << trip_document(folder);
    bool memories = false;
    for (const auto& entry : fs::directory_iterator(folder / "Kerfa")) {
        memories = memories || e2e::read_file(entry.path()).find("Likes tea") != std::string::npos;
    }
    EXPECT_TRUE(memories);

    struct Case {
        std::string text;
        std::string reason;
    };
    const std::string structure =
        "The JSON document has an improper structure: missing or superfluous commas, braces, "
        "missing keys, etc.";
    const std::vector<Case> cases = {
        {"[1,]", structure + " at byte offset 3"},
        {mark + "[1,]", structure + " at byte offset 6"},
        {mark + mark + "[]", structure + " at byte offset 3"},
        {"[{\"a\":1e999}]", "Problem while parsing a number at byte offset 6"},
        {" {}", "The JSON element does not have the requested type. at byte offset 1"},
    };
    for (const Case& c : cases) {
        const fs::path path = dir.write("export/conversations.json", c.text);
        run = run_ai_chats({folder.string()});
        EXPECT_EQ(run.out, "Failed to parse JSON in " + path.string() + ": " + c.reason + "\n\n")
            << c.text;
        EXPECT_EQ(run.status, 1) << c.text;
    }
}

std::string chatgpt_message(const std::string& id, const std::string& parent,
                            const std::string& pointer) {
    return "\"" + id + R"(":{"parent":)" + parent +
           R"(,"message":{"author":{"role":"user"},"content":{"content_type":"multimodal_text",)"
           R"("parts":[{"content_type":"image_asset_pointer","asset_pointer":"file-service://)" +
           pointer + R"("}]}}})";
}

std::string chatgpt_conversation(const std::string& title, const std::string& pointer) {
    return R"({"title":")" + title + R"(","create_time":1715000000,"current_node":"m",)" +
           R"("mapping":{)" + chatgpt_message("m", "null", pointer) + "}}";
}

// The files below the folder, by their path relative to it.
std::vector<std::string> files_below(const fs::path& folder) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files.push_back(fs::relative(entry.path(), folder).string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// A Kerfa run after a Markdown run matches the export's images, not the Markdown run's copies,
// which come first in the walk: the id file-a matches file-a_1 (the first of its prefix matches
// in the export), never the copy of file-a_2 that the other conversation's exact match made.
TEST(AiChatsExports, ARunNeverMatchesTheCopiesOfAnotherFormatsRun) {
    e2e::TempDir dir;
    const fs::path folder = dir.path() / "export";
    fs::create_directory(folder);
    dir.write("export/user.json", R"({"full_name":"Ada"})");
    dir.write("export/conversations.json", "[" + chatgpt_conversation("Exact", "file-a_2") + "," +
                                               chatgpt_conversation("Prefix", "file-a") + "]");
    fs::create_directory(folder / "p");
    fs::create_directory(folder / "q");
    dir.write("export/p/file-a_1.png", "first");
    dir.write("export/q/file-a_2.png", "second");
    for (const bool markdown : {true, false}) {
        std::vector<std::string> arguments{folder.string(), "-s"};
        if (markdown) {
            arguments.push_back("-m");
        }
        const e2e::Run run = run_ai_chats(arguments);
        ASSERT_EQ(run.status, 0) << markdown << run.out;
    }
    for (const char* output : {"Markdown", "Kerfa"}) {
        EXPECT_EQ(files_below(folder / output).size(), 5u) << output;
        EXPECT_EQ(e2e::read_file(folder / output / "2024-05-06 - Prefix" / "file-a_1.png"), "first")
            << output;
        EXPECT_EQ(e2e::read_file(folder / output / "2024-05-06 - Exact" / "file-a_2.png"), "second")
            << output;
    }
}

// Written into one of the export's image folders, a run finds the images stored there, and a
// second run writes the same tree without matching the first run's copies.
TEST(AiChatsExports, AnOutputFolderThatHoldsTheExportsImages) {
    e2e::TempDir dir;
    const fs::path folder = dir.path() / "export";
    fs::copy(kData / "chatgpt" / "export", folder, fs::copy_options::recursive);
    const fs::path output = folder / "dalle-generations";
    const std::vector<std::string> originals = files_below(output);
    ASSERT_FALSE(originals.empty());
    std::vector<std::string> expected = files_below(kData / "chatgpt" / "kerfa" / "output");
    expected.insert(expected.end(), originals.begin(), originals.end());
    std::sort(expected.begin(), expected.end());
    for (int run_number = 1; run_number <= 2; ++run_number) {
        const e2e::Run run = run_ai_chats({folder.string(), output.string(), "-s"});
        ASSERT_EQ(run.status, 0) << run_number << run.out;
        EXPECT_EQ(files_below(output), expected) << run_number;
        for (const std::string& name : files_below(kData / "chatgpt" / "kerfa" / "output")) {
            EXPECT_EQ(e2e::read_file(output / name),
                      e2e::read_file(kData / "chatgpt" / "kerfa" / "output" / name))
                << run_number << ": " << name;
        }
    }
}

}  // namespace
