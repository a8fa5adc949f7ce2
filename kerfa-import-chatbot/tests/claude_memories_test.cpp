#include "import_chatbot/claude/memories.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "model_printers.hpp"
#include "temp_folder.hpp"

namespace {

using import_chatbot::claude::load_memories;
using import_chatbot::claude::Memories;
using import_chatbot::error::display;
using import_chatbot::model::MemoryEntry;
using import_chatbot_test::TempFolder;

constexpr std::int64_t kMay6th2024 = 1714953600;  // 2024-05-06T00:00:00Z

void set_mtime(const std::string& path, std::int64_t seconds, long nanoseconds = 0) {
    const timespec times[2] = {{static_cast<time_t>(seconds), nanoseconds},
                               {static_cast<time_t>(seconds), nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class ClaudeMemories : public ::testing::Test {
  protected:
    std::string memories(const std::string& text, std::int64_t mtime = kMay6th2024 + 86399) {
        const std::string path = folder_.write("memories.json", text);
        set_mtime(path, mtime);
        return path;
    }
    std::string projects(const std::string& text) { return folder_.write("projects.json", text); }

    TempFolder folder_;
};

TEST_F(ClaudeMemories, ReadsGeneralAndProjectMemoriesDatedByTheFile) {
    const std::string path = memories(R"({"conversations_memory":"Likes tea.",
        "project_memories":{"p2-uuid-long":"second","p1":"first","zz":"","n":5,"b":" ",
        "a\u00e9\u00e9\u00e9\u00e9x":"cut"}})");
    const std::string names =
        projects(R"([{"uuid":"p1","name":"Garden"},{"uuid":"p1","name":"Yard"},
        {"uuid":"b","name":""},{"uuid":"x"},{"uuid":5,"name":"n"},"junk"])");
    const auto loaded = load_memories(path, names);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->general.date, "2024-05-06");
    EXPECT_EQ(loaded->general.entries, (std::vector<MemoryEntry>{{"General", "Likes tea."}}));
    EXPECT_EQ(loaded->projects.date, "2024-05-06");
    // Keys in byte order; values that are empty or not strings skipped, blank ones kept; the
    // 8-byte cut of a key moves back to a character start.
    EXPECT_EQ(loaded->projects.entries,
              (std::vector<MemoryEntry>{{"Project a\u00e9\u00e9\u00e9", "cut"},
                                        {"", " "},
                                        {"Yard", "first"},
                                        {"Project p2-uuid-", "second"}}));
}

TEST_F(ClaudeMemories, ProjectNamesFallBackWhenProjectsCannotBeRead) {
    const std::string path = memories(R"({"project_memories":{"abcdefghij":"m","abc":"n"}})");
    const std::vector<MemoryEntry> fallback = {{"Project abc", "n"}, {"Project abcdefgh", "m"}};
    for (const std::string text : {"{", "{}", "[] []", "\xFF"}) {
        EXPECT_EQ(load_memories(path, projects(text))->projects.entries, fallback) << text;
    }
    EXPECT_EQ(load_memories(path, folder_.path("missing.json"))->projects.entries, fallback);
    EXPECT_EQ(load_memories(path, std::nullopt)->projects.entries, fallback);
}

TEST_F(ClaudeMemories, EmptyMemoriesGiveCollectionsWithoutEntries) {
    for (const std::string text :
         {R"({"conversations_memory":"","project_memories":{}})",
          R"({"conversations_memory":5,"project_memories":[]})", "[]", "[{}]", "7"}) {
        const auto loaded = load_memories(memories(text), std::nullopt);
        ASSERT_TRUE(loaded) << text;
        EXPECT_TRUE(loaded->general.entries.empty()) << text;
        EXPECT_TRUE(loaded->projects.entries.empty()) << text;
        EXPECT_EQ(loaded->general.date, "2024-05-06");
    }
    const auto record = load_memories(memories(R"([{"conversations_memory":"a"},{}])"), {});
    EXPECT_EQ(record->general.entries, (std::vector<MemoryEntry>{{"General", "a"}}));
}

TEST_F(ClaudeMemories, FailsForMemoriesJsonOnly) {
    const std::string missing = folder_.path("missing.json");
    EXPECT_EQ(display(load_memories(missing, std::nullopt).error()),
              "Failed to get file metadata for " + missing + ": No such file or directory");

    const std::string old = memories("{}", -1);
    EXPECT_EQ(display(load_memories(old, std::nullopt).error()),
              "Invalid timestamp for " + old + ": modification time is before 1970-01-01");
    set_mtime(old, -1, 500'000'000);  // half a second before 1970 is before it too
    EXPECT_TRUE(std::holds_alternative<import_chatbot::error::InvalidTimestamp>(
        load_memories(old, std::nullopt).error()));
    EXPECT_EQ(load_memories(memories("{}", 0), std::nullopt)->general.date, "1970-01-01");

    EXPECT_TRUE(std::holds_alternative<import_chatbot::error::JsonParseFailed>(
        load_memories(memories("{"), std::nullopt).error()));
    EXPECT_TRUE(std::holds_alternative<import_chatbot::error::ReadFailed>(
        load_memories(memories("\"\xFF\""), std::nullopt).error()));
}

}  // namespace
