#include "import_chatbot/chatgpt/users.hpp"

#include "utils/user_name.hpp"

namespace import_chatbot::chatgpt {

std::string load_user_name(std::string_view path) {
    return utils::read_user_name(path);
}

}  // namespace import_chatbot::chatgpt
