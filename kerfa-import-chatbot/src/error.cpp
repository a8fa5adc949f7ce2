#include "import_chatbot/error.hpp"

#include <fmt/format.h>

namespace import_chatbot::error {
namespace {

struct Display {
    std::string operator()(const ReadFailed& e) const {
        return fmt::format("Failed to read {}: {}", e.path, e.error);
    }
    std::string operator()(const JsonParseFailed& e) const {
        return fmt::format("Failed to parse JSON in {}: {}", e.path, e.error);
    }
    std::string operator()(const MetadataFailed& e) const {
        return fmt::format("Failed to get file metadata for {}: {}", e.path, e.error);
    }
    std::string operator()(const InvalidTimestamp& e) const {
        return fmt::format("Invalid timestamp for {}: {}", e.path, e.error);
    }
    std::string operator()(const DirectoryNotFound& e) const {
        return fmt::format("Directory not found: {}", e.path);
    }
    std::string operator()(const NotADirectory& e) const {
        return fmt::format("Not a directory: {}", e.path);
    }
    std::string operator()(const NoConversations& e) const {
        return fmt::format("No conversations.json found in {}", e.path);
    }
    std::string operator()(const IndexFailed& e) const { return e.error.as_string(); }
};

}  // namespace

std::string display(const ImportError& error) {
    return std::visit(Display{}, error);
}

}  // namespace import_chatbot::error
