#pragma once

#include <simdjson.h>

#include <optional>
#include <string_view>

#include "import_chatbot/model/conversation.hpp"

namespace import_chatbot::chatgpt {

// One element of conversations.json; its texts are copied out.
model::Conversation parse_conversation(simdjson::dom::element value);

// The message of one node of the mapping, unless it is missing, hidden or from the system.
std::optional<model::Message> parse_node(simdjson::dom::element node);

// The message built from a message object with the role read from it, unless it has nothing:
// blank text, no attachment and no image pointer.
std::optional<model::Message> build_message(simdjson::dom::element message, std::string_view role);

}  // namespace import_chatbot::chatgpt
