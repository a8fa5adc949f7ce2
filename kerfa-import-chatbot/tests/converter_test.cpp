#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "converter/documents.hpp"
#include "formatters/kerfa_formatter.hpp"
#include "formatters/markdown_formatter.hpp"
#include "model_printers.hpp"
#include "shared/utils/files.hpp"

namespace {

using namespace import_chatbot;
using converter::ConvertedFile;
using model::Conversation;
using model::ImageReference;
using model::Message;

constexpr std::string_view kCreated = "2024-05-06T07:08:09Z";

Message shown(std::vector<ImageReference> images = {}) {
    Message m;
    m.role = "user";
    m.content = "hi";
    m.images = std::move(images);
    return m;
}

Message blank() {
    Message m;
    m.role = "assistant";
    m.content = " \n";
    return m;
}

Conversation chat(std::string title, std::vector<Message> messages) {
    return Conversation{std::move(title), std::string(kCreated), {}}.with_messages(
        std::move(messages));
}

std::vector<std::string> names(const std::vector<ConvertedFile>& files) {
    std::vector<std::string> out;
    for (const ConvertedFile& file : files) {
        out.push_back(file.filename);
    }
    return out;
}

TEST(FormatConversations, NamesOnlyConversationsThatShowSomething) {
    const formatters::markdown_formatter::MarkdownFormatter formatter;
    std::vector<Conversation> conversations = {
        chat("Same", {blank()}), chat("Same", {}),        chat("Same", {blank(), shown()}),
        chat("Same", {shown()}), chat("Same", {shown()}),
    };
    const auto files =
        converter::format_conversations(std::move(conversations), formatter, "U", "ChatGPT");
    EXPECT_EQ(names(files),
              (std::vector<std::string>{"2024-05-06 - Same.md", "2024-05-06 - Same - 2.md",
                                        "2024-05-06 - Same - 3.md"}));
    EXPECT_EQ(files[0].content, "# Same\n2024-05-06\n\n## U\n\nhi\n");
}

TEST(FormatConversations, ReservedNamesAndImageFoldersAreNotGivenOut) {
    const formatters::kerfa_formatter::KerfaFormatter formatter;
    const std::vector<std::string> reserved = {"2024-05-06 - Index.kerfa"};
    std::vector<Conversation> conversations = {
        chat("Index", {shown()}),       chat("README.kerfa", {shown({{"/e/a.png", "a.png"}})}),
        chat("README", {shown()}),      chat("NOTES", {shown()}),
        chat("NOTES.kerfa", {shown()}),
    };
    const auto files = converter::format_conversations(std::move(conversations), formatter, "U",
                                                       "Claude", reserved);
    // Each document's file differs from every other document's file and image folder.
    EXPECT_EQ(names(files), (std::vector<std::string>{
                                "2024-05-06 - Index - 2.kerfa",
                                "2024-05-06 - README.kerfa.kerfa",
                                "2024-05-06 - README - 2.kerfa",
                                "2024-05-06 - NOTES.kerfa",
                                "2024-05-06 - NOTES.kerfa - 2.kerfa",
                            }));
}

TEST(FormatConversations, ImageFoldersAreTheDocumentsNames) {
    const formatters::markdown_formatter::MarkdownFormatter formatter;
    std::vector<Conversation> conversations = {
        chat("Trip (plan)", {shown({{"/e/a.png", "a.png"}})}),
        chat("Trip (plan)", {shown({{"/e/b.png", "b.png"}})}),
    };
    const auto files =
        converter::format_conversations(std::move(conversations), formatter, "U", "A");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[1].filename, "2024-05-06 - Trip (plan) - 2.md");
    EXPECT_NE(files[1].content.find("![](2024-05-06%20-%20Trip%20%28plan%29%20-%202/b.png)"),
              std::string::npos);
    EXPECT_EQ(files[1].images, (std::vector<ImageReference>{{"/e/b.png", "b.png"}}));
    // The folder is also what the HTML writer puts before the images of that document.
    for (const ConvertedFile& file : files) {
        EXPECT_EQ(converter::strip_extension(file.filename),
                  shared::utils::file_stem(file.filename).value());
    }
}

TEST(CollectImages, CopiesEachFileOnceUnderANameOfItsOwn) {
    Conversation conversation =
        chat("T", {shown({{"/e/a/photo.png", "photo.png"}, {"/e/b/photo.png", "photo.png"}}),
                   shown({{"/e/c/photo - 2.png", "photo - 2.png"},
                          {"/e/a/photo.png", "photo.png"},
                          {"/e/d/photo.png", "photo.png"},
                          {"/e/e/x", "x"},
                          {"/e/f/x", "x"}})});
    const std::vector<ImageReference> files = converter::collect_images(conversation);
    EXPECT_EQ(files, (std::vector<ImageReference>{{"/e/a/photo.png", "photo.png"},
                                                  {"/e/b/photo.png", "photo - 2.png"},
                                                  {"/e/c/photo - 2.png", "photo - 2 - 2.png"},
                                                  {"/e/d/photo.png", "photo - 3.png"},
                                                  {"/e/e/x", "x"},
                                                  {"/e/f/x", "x - 2"}}));
    // The messages link the names the files are copied under.
    EXPECT_EQ(conversation.messages[0].images[1].file_name, "photo - 2.png");
    EXPECT_EQ(conversation.messages[1].images,
              (std::vector<ImageReference>{{"/e/c/photo - 2.png", "photo - 2 - 2.png"},
                                           {"/e/a/photo.png", "photo.png"},
                                           {"/e/d/photo.png", "photo - 3.png"},
                                           {"/e/e/x", "x"},
                                           {"/e/f/x", "x - 2"}}));
}

TEST(FormatMemoryFiles, WritesCollectionsWithContent) {
    const formatters::markdown_formatter::MarkdownFormatter formatter;
    const model::MemoryCollection general{"2024-05-06", {{"General", " \t"}}};
    const model::MemoryCollection projects{"2024-05-06", {{"Empty", ""}, {"Kerfa", "notes"}}};
    const auto files = converter::format_memory_files(general, projects, formatter);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].filename, "\u00b7 Projects - 2024-05-06.md");
    EXPECT_EQ(files[0].content, "# Projects\n2024-05-06\n\n## Empty\n\n\n\n## Kerfa\n\nnotes\n");

    const model::MemoryCollection both{"2024-05-06", {{"General", "x"}}};
    EXPECT_EQ(names(converter::format_memory_files(both, projects, formatter)),
              (std::vector<std::string>{"\u00b7 Memories - 2024-05-06.md",
                                        "\u00b7 Projects - 2024-05-06.md"}));
    EXPECT_TRUE(converter::format_memory_files({}, {}, formatter).empty());
}

}  // namespace
