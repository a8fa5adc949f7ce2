#pragma once

#include <simdjson.h>

#include <vector>

#include "import_chatbot/model/conversation.hpp"

namespace import_chatbot::claude {

// One element of conversations.json; its texts are copied out.
model::Conversation parse_conversation(simdjson::dom::element value);

// The messages of one chat message: one per kind of text its blocks give (in the order each
// kind first appears, blank ones dropped), then one holding its attachments, if any.
std::vector<model::Message> parse_message(simdjson::dom::element chat_message);

}  // namespace import_chatbot::claude
