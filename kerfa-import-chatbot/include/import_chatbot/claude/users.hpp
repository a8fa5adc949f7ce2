#pragma once

#include <string>
#include <string_view>

namespace import_chatbot::claude {

// The user's name from users.json, or "User"; never fails.
std::string load_user_name(std::string_view path);

}  // namespace import_chatbot::claude
