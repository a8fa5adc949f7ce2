#include "import_chatbot/claude/conversations.hpp"

#include "claude/conversation_parser.hpp"
#include "utils/conversation_file.hpp"

namespace import_chatbot::claude {

std::expected<std::vector<model::Conversation>, error::ImportError> load_conversations(
    std::string_view path) {
    return utils::load_conversation_file(path, parse_conversation);
}

}  // namespace import_chatbot::claude
