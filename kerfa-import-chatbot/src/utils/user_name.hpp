#pragma once

#include <string>
#include <string_view>

namespace import_chatbot::utils {

// The "full_name" of the export's user file when it is a non-empty string; "User" when the file
// is missing, unreadable or gives none. Never fails.
std::string read_user_name(std::string_view path);

}  // namespace import_chatbot::utils
