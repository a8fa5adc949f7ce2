#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "import_chatbot/model/attachment.hpp"
#include "import_chatbot/model/image_reference.hpp"

namespace import_chatbot::model {

// Which section header a message gets.
enum class MessageKind : std::uint8_t {
    Standard = 0,
    Thinking = 1,  // reasoning text
    Working = 2,   // tool and code activity
};

struct Message {
    // "user", "assistant" or any other role the export gives; empty when it gives none.
    std::string role;
    // Markdown; may be empty.
    std::string content;
    std::string timestamp;
    std::vector<Attachment> attachments;
    // Image pointers of a ChatGPT message, matched to files into images.
    std::vector<std::string> asset_pointers;
    std::vector<ImageReference> images;
    MessageKind kind = MessageKind::Standard;

    // Whether a document shows it: content that is not blank, or any attachment, image pointer
    // or image.
    bool has_something_to_show() const;

    bool operator==(const Message&) const = default;
};

}  // namespace import_chatbot::model
