#pragma once

#include <string>

namespace import_chatbot::model {

// A file attached to a message.
struct Attachment {
    std::string name;
    // The text the export extracted from the file; empty when it gives none.
    std::string content;

    bool operator==(const Attachment&) const = default;
};

}  // namespace import_chatbot::model
