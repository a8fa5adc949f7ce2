#pragma once

#include <expected>
#include <string_view>
#include <vector>

#include "import_chatbot/error.hpp"
#include "import_chatbot/model/conversation.hpp"

namespace import_chatbot::claude {

// The conversations of a Claude conversations.json, in file order. Fails only for the file as a
// whole: unreadable or not UTF-8 (ReadFailed), or not one JSON array (JsonParseFailed). An
// element that is not a conversation gives an "Untitled" one without messages.
std::expected<std::vector<model::Conversation>, error::ImportError> load_conversations(
    std::string_view path);

}  // namespace import_chatbot::claude
