#include "kerfa_index_file/types/index_error.hpp"

#include <fmt/format.h>

namespace kerfa_index_file::types {

namespace {

// Paths and names are always arguments: they may hold "{" and "}".
struct MessageText {
    std::string operator()(const IndexError::DirectoryNotFound& e) const {
        return fmt::format("Directory not found: {}", e.path);
    }
    std::string operator()(const IndexError::NotADirectory& e) const {
        return fmt::format("Not a directory: {}", e.path);
    }
    std::string operator()(const IndexError::ReadDirectoryFailed& e) const {
        return fmt::format("Failed to read directory: {}", e.error);
    }
    std::string operator()(const IndexError::ReadEntryFailed& e) const {
        return fmt::format("Failed to read entry: {}", e.error);
    }
    std::string operator()(const IndexError::InvalidExtension& e) const {
        return fmt::format(
            "Invalid index file extension in '{}'. Use .kerfa, .md, or no extension.", e.name);
    }
};

}  // namespace

std::string IndexError::as_string() const {
    return std::visit(MessageText{}, value);
}

}  // namespace kerfa_index_file::types
