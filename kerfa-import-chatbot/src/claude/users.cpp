#include "import_chatbot/claude/users.hpp"

#include "utils/user_name.hpp"

namespace import_chatbot::claude {

std::string load_user_name(std::string_view path) {
    return utils::read_user_name(path);
}

}  // namespace import_chatbot::claude
