#include "import_chatbot/pipeline.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "import_chatbot/provider.hpp"
#include "model_printers.hpp"
#include "temp_folder.hpp"

namespace {

using namespace import_chatbot;
using formatters::OutputFormat;
using import_chatbot_test::TempFolder;
using pipeline::ImportRequest;
using pipeline::plan_import;
using provider::Provider;

constexpr std::string_view kClaudeChat =
    R"([{"name":"Trip","created_at":"2024-05-06T07:08:09Z","chat_messages":[
        {"sender":"human","created_at":"2024-05-06T07:08:09Z","content":[{"type":"text","text":"Hi"}]}]}])";
constexpr std::string_view kChatGptChat =
    R"([{"title":"Pics","create_time":1714979289,"current_node":"b","mapping":{
        "a":{"message":null},
        "b":{"parent":"a","message":{"author":{"role":"user"},"content":{
            "content_type":"multimodal_text","parts":[
                {"content_type":"image_asset_pointer","asset_pointer":"file-service://file-A"}]}}}}}])";

std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        names.push_back(std::filesystem::relative(entry.path(), folder).string());
    }
    std::ranges::sort(names);
    return names;
}

std::vector<std::string> names(const std::vector<converter::ConvertedFile>& files) {
    std::vector<std::string> out;
    for (const converter::ConvertedFile& file : files) {
        out.push_back(file.filename);
    }
    return out;
}

std::string failure(std::string_view folder, const ImportRequest& request = {}) {
    const auto plan = plan_import(folder, request);
    return plan ? "(planned)" : error::display(plan.error());
}

// The tests decide the index name themselves.
class ImportPlanTest : public ::testing::Test {
  protected:
    void SetUp() override { ::unsetenv("KERFA_TOOL_INDEX_NAME"); }
    void TearDown() override { ::unsetenv("KERFA_TOOL_INDEX_NAME"); }
};

TEST_F(ImportPlanTest, FolderFailuresComeFirstThenTheIndexNameThenTheFiles) {
    TempFolder folder;
    const std::string missing = folder.path("missing");
    const std::string file = folder.write("file", "x");
    TempFolder empty;
    TempFolder broken;
    broken.write("conversations.json", "[");
    const ImportRequest bad_index{.index_name = "Chats.txt"};
    const std::string bad_index_text =
        "Invalid index file extension in 'Chats.txt'. Use .kerfa, .md, or no extension.";

    EXPECT_EQ(failure(missing, bad_index), "Directory not found: " + missing);
    EXPECT_EQ(failure(file, bad_index), "Not a directory: " + file);
    EXPECT_EQ(failure(empty.path(), bad_index), "No conversations.json found in " + empty.path());
    EXPECT_EQ(failure(broken.path(), bad_index), bad_index_text);
    EXPECT_EQ(failure(broken.path())
                  .rfind("Failed to parse JSON in " + broken.path("conversations.json"), 0),
              0u);
    broken.write("conversations.json", "[\"\xff\"]");
    EXPECT_EQ(failure(broken.path()), "Failed to read " + broken.path("conversations.json") +
                                          ": stream did not contain valid UTF-8");
}

TEST_F(ImportPlanTest, ProviderFromTheRequestOrTheFolder) {
    struct Case {
        std::vector<std::string> files;
        std::uint8_t request;
        Provider provider;
    };
    const std::vector<Case> cases = {
        {{"user.json"}, provider::DETECT_PROVIDER, Provider::ChatGPT},
        {{"users.json"}, provider::DETECT_PROVIDER, Provider::Claude},
        {{"user.json", "users.json"}, provider::DETECT_PROVIDER, Provider::ChatGPT},
        {{}, provider::DETECT_PROVIDER, Provider::Claude},
        {{"user.json"}, 0, Provider::Claude},
        {{}, 1, Provider::ChatGPT},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.write("conversations.json", "[]");
        for (const std::string& name : c.files) {
            folder.write(name, "{}");
        }
        const auto plan = plan_import(folder.path(), {.provider = c.request});
        ASSERT_TRUE(plan);
        EXPECT_EQ(plan->provider, c.provider) << c.files.size() << " " << int(c.request);
        EXPECT_EQ(provider::display(plan->provider),
                  c.provider == Provider::ChatGPT ? "ChatGPT" : "Claude");
    }
}

TEST_F(ImportPlanTest, TheIndexNameSetsTheFormatAndTheOutputFolder) {
    TempFolder folder;
    folder.write("conversations.json", kClaudeChat);
    struct Case {
        ImportRequest request;
        OutputFormat format;
        std::string document;
        std::string index;
        std::string output;
    };
    const std::vector<Case> cases = {
        {{}, OutputFormat::Kerfa, "2024-05-06 - Trip.kerfa", "Index.kerfa", folder.path("Kerfa")},
        {{.format = OutputFormat::Markdown},
         OutputFormat::Markdown,
         "2024-05-06 - Trip.md",
         "Index.md",
         folder.path("Markdown")},
        {{.index_name = "Chats.md"},
         OutputFormat::Markdown,
         "2024-05-06 - Trip.md",
         "Chats.md",
         folder.path("Markdown")},
        {{.index_name = "Chats", .format = OutputFormat::Markdown},
         OutputFormat::Markdown,
         "2024-05-06 - Trip.md",
         "Chats.md",
         folder.path("Markdown")},
        {{.index_name = "Chats.kerfa", .format = OutputFormat::Markdown, .output_folder = "out"},
         OutputFormat::Kerfa,
         "2024-05-06 - Trip.kerfa",
         "Chats.kerfa",
         "out"},
    };
    for (const Case& c : cases) {
        const auto plan = plan_import(folder.path(), c.request);
        ASSERT_TRUE(plan) << c.index;
        EXPECT_EQ(plan->format, c.format) << c.index;
        EXPECT_EQ(names(plan->conversations), std::vector<std::string>{c.document}) << c.index;
        EXPECT_EQ(plan->index.file_name, c.index);
        EXPECT_EQ(plan->output_folder, c.output) << c.index;
    }
    ::setenv("KERFA_TOOL_INDEX_NAME", "Contents.md", 1);
    const auto plan = plan_import(folder.path(), {});
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->index.file_name, "Contents.md");
    EXPECT_EQ(plan->format, OutputFormat::Markdown);
}

TEST_F(ImportPlanTest, NoDocumentTakesTheIndexName) {
    TempFolder folder;
    folder.write("conversations.json", kClaudeChat);
    const auto plan = plan_import(folder.path(), {.index_name = "2024-05-06 - Trip"});
    ASSERT_TRUE(plan);
    EXPECT_EQ(names(plan->conversations), std::vector<std::string>{"2024-05-06 - Trip - 2.kerfa"});
    EXPECT_EQ(plan->index.file_name, "2024-05-06 - Trip.kerfa");
}

TEST_F(ImportPlanTest, ClaudeMemoriesFollowTheConversationsInTheIndex) {
    TempFolder folder;
    folder.write("conversations.json", kClaudeChat);
    const std::string memories = folder.write(
        "memories.json", R"({"conversations_memory":"Tea","project_memories":{"p1":"Garden"}})");
    const timespec may_6th_2024[2] = {{1714953600, 0}, {1714953600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, memories.c_str(), may_6th_2024, 0), 0);
    folder.write("projects.json", "not json");
    const auto plan = plan_import(folder.path(), {.format = OutputFormat::Markdown});
    ASSERT_TRUE(plan);
    ASSERT_EQ(plan->memories.size(), 2u);
    EXPECT_EQ(plan->memories[1].content, "# Projects\n2024-05-06\n\n## Project p1\n\nGarden\n");
    EXPECT_EQ(plan->index.content,
              "# Index\n"
              "\n###### [2024-05-06 - Trip](2024-05-06%20-%20Trip.md)"
              "\n###### [\u00b7 Memories - 2024-05-06](\u00b7%20Memories%20-%202024-05-06.md)"
              "\n###### [\u00b7 Projects - 2024-05-06](\u00b7%20Projects%20-%202024-05-06.md)");

    folder.write("memories.json", "{");
    EXPECT_EQ(
        failure(folder.path()).rfind("Failed to parse JSON in " + folder.path("memories.json"), 0),
        0u);
    // A ChatGPT reading never looks at memories.
    EXPECT_EQ(failure(folder.path(), {.provider = 1}), "(planned)");
}

TEST_F(ImportPlanTest, ImagesOfTheOutputFolderAreNotMatched) {
    TempFolder folder;
    folder.write("conversations.json", kChatGptChat);
    folder.write("user.json", R"({"full_name":"Ada"})");
    folder.write("Kerfa/2024-05-06 - Pics.kerfa", "document");
    folder.write("Kerfa/2024-05-06 - Pics/file-A.png", "copy");
    folder.write("z/file-A.png", "original");
    const std::vector<std::string> before = entries(folder.path());

    auto plan = plan_import(folder.path(), {});
    ASSERT_TRUE(plan);
    ASSERT_EQ(plan->conversations.size(), 1u);
    EXPECT_EQ(plan->conversations[0].images,
              (std::vector<model::ImageReference>{{folder.path("z/file-A.png"), "file-A.png"}}));
    EXPECT_EQ(entries(folder.path()), before);  // planning writes nothing

    // Writing into the export folder itself still finds its images.
    plan = plan_import(folder.path(), {.output_folder = folder.path() + "/."});
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->conversations[0].images.size(), 1u);
}

}  // namespace
