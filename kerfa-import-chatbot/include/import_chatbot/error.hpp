#pragma once

#include <string>
#include <variant>

namespace import_chatbot::error {

// Each failure holds the path concerned as text and, where one caused it, the error's own text.
struct ReadFailed {
    std::string path;
    std::string error;
};
struct JsonParseFailed {
    std::string path;
    std::string error;
};
struct MetadataFailed {
    std::string path;
    std::string error;
};
struct InvalidTimestamp {
    std::string path;
    std::string error;
};
struct DirectoryNotFound {
    std::string path;
};
struct NotADirectory {
    std::string path;
};
struct NoConversations {
    std::string path;
};
// The directory index failed; holds that failure's message.
struct IndexFailed {
    std::string message;
};

// The failure of any step of a chat import.
using ImportError = std::variant<ReadFailed, JsonParseFailed, MetadataFailed, InvalidTimestamp,
                                 DirectoryNotFound, NotADirectory, NoConversations, IndexFailed>;

// The message the user sees.
std::string display(const ImportError& error);

}  // namespace import_chatbot::error
