#include "import_chatbot/chatgpt/conversations.hpp"

#include "chatgpt/conversation_parser.hpp"
#include "utils/conversation_file.hpp"

namespace import_chatbot::chatgpt {

std::expected<std::vector<model::Conversation>, error::ImportError> load_conversations(
    std::string_view path) {
    return utils::load_conversation_file(path, parse_conversation);
}

}  // namespace import_chatbot::chatgpt
