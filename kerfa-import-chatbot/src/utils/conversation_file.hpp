#pragma once

#include <expected>
#include <string_view>
#include <vector>

#include "import_chatbot/error.hpp"
#include "import_chatbot/model/conversation.hpp"
#include "utils/json_reader.hpp"

namespace import_chatbot::utils {

// Reads a conversations.json (one JSON array) and makes a conversation of each element, in
// order, while the parsed document lives; it is released as soon as the list is built.
template <typename ParseConversation>
std::expected<std::vector<model::Conversation>, error::ImportError> load_conversation_file(
    std::string_view path, ParseConversation&& parse_conversation) {
    const auto document = parse_json_array_file(path);
    if (!document) {
        return std::unexpected(document.error());
    }
    const simdjson::dom::array elements = document->root().get_array().value_unsafe();
    std::vector<model::Conversation> conversations;
    conversations.reserve(elements.size());
    for (const simdjson::dom::element element : elements) {
        conversations.push_back(parse_conversation(element));
    }
    return conversations;
}

}  // namespace import_chatbot::utils
