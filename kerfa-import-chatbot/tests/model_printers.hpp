#pragma once

#include <ostream>

#include "import_chatbot/model/conversation.hpp"
#include "import_chatbot/model/memory.hpp"

// Readable failure output for the model's records.
namespace import_chatbot::model {

inline void PrintTo(const Attachment& attachment, std::ostream* out) {
    *out << "{name \"" << attachment.name << "\", content \"" << attachment.content << "\"}";
}

inline void PrintTo(const ImageReference& image, std::ostream* out) {
    *out << "{source \"" << image.source_path << "\", file \"" << image.file_name << "\"}";
}

inline void PrintTo(const MemoryEntry& entry, std::ostream* out) {
    *out << "{title \"" << entry.title << "\", content \"" << entry.content << "\"}";
}

}  // namespace import_chatbot::model
