#include "import_chatbot/error.hpp"

#include <gtest/gtest.h>

namespace {

using namespace import_chatbot::error;
using kerfa_index_file::types::IndexError;

TEST(ImportError, DisplaysTheUsersMessage) {
    const std::vector<std::pair<ImportError, std::string>> cases = {
        {ReadFailed{"a/c.json", "No such file or directory"},
         "Failed to read a/c.json: No such file or directory"},
        {JsonParseFailed{"a/c.json", "bad"}, "Failed to parse JSON in a/c.json: bad"},
        {MetadataFailed{"m.json", "Permission denied"},
         "Failed to get file metadata for m.json: Permission denied"},
        {InvalidTimestamp{"m.json", "late"}, "Invalid timestamp for m.json: late"},
        {DirectoryNotFound{"x"}, "Directory not found: x"},
        {NotADirectory{"x"}, "Not a directory: x"},
        {NoConversations{"x"}, "No conversations.json found in x"},
        {IndexFailed{IndexError::InvalidExtension{"a.txt"}},
         "Invalid index file extension in 'a.txt'. Use .kerfa, .md, or no extension."},
        // Texts are arguments, never formats.
        {ReadFailed{"{}", "{0}"}, "Failed to read {}: {0}"},
    };
    for (const auto& [error, text] : cases) {
        EXPECT_EQ(display(error), text);
    }
}

}  // namespace
