#include "utils/user_name.hpp"

#include "shared/utils/files.hpp"
#include "utils/json_access.hpp"
#include "utils/json_reader.hpp"

namespace import_chatbot::utils {

std::string read_user_name(std::string_view path) {
    if (!shared::utils::file_exists(path)) {
        return "User";
    }
    const auto record = read_json_record(path);
    if (!record) {
        return "User";
    }
    const std::string_view name = json::non_empty_string(json::member(record->root(), "full_name"));
    return name.empty() ? std::string("User") : std::string(name);
}

}  // namespace import_chatbot::utils
