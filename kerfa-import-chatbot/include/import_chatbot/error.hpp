#pragma once

#include <string>
#include <variant>

#include "kerfa_index_file/types/index_error.hpp"

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
// The index name could not be used.
struct IndexFailed {
    kerfa_index_file::types::IndexError error;
};

// The failure of any step of a chat import.
using ImportError = std::variant<ReadFailed, JsonParseFailed, MetadataFailed, InvalidTimestamp,
                                 DirectoryNotFound, NotADirectory, NoConversations, IndexFailed>;

// The message the user sees.
std::string display(const ImportError& error);

}  // namespace import_chatbot::error
