#include "source.hpp"

#include <sys/stat.h>

#include <string>

#include "shared/utils/files.hpp"

namespace import_chatbot::source {

std::expected<void, error::ImportError> validate_source(std::string_view folder) {
    const std::string path(folder);
    struct stat status {};
    if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &status) != 0) {
        return std::unexpected(error::DirectoryNotFound{path});
    }
    if (!S_ISDIR(status.st_mode)) {
        return std::unexpected(error::NotADirectory{path});
    }
    if (!shared::utils::file_exists(shared::utils::join_path(folder, "conversations.json"))) {
        return std::unexpected(error::NoConversations{path});
    }
    return {};
}

}  // namespace import_chatbot::source
