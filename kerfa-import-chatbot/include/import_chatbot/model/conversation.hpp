#pragma once

#include <string>
#include <utility>
#include <vector>

#include "import_chatbot/model/message.hpp"

namespace import_chatbot::model {

struct Conversation {
    // As the export gives it ("Untitled" when it gives none); may be empty.
    std::string title;
    // The creation time text; may be empty.
    std::string created;
    // In reading order.
    std::vector<Message> messages;

    Conversation with_messages(std::vector<Message> list) && {
        messages = std::move(list);
        return std::move(*this);
    }

    bool operator==(const Conversation&) const = default;
};

}  // namespace import_chatbot::model
