#pragma once

#include <string>
#include <vector>

namespace import_chatbot::model {

struct MemoryEntry {
    std::string title;
    // Markdown.
    std::string content;

    bool operator==(const MemoryEntry&) const = default;
};

struct MemoryCollection {
    // A day text, such as 2024-05-06.
    std::string date;
    std::vector<MemoryEntry> entries;

    bool operator==(const MemoryCollection&) const = default;
};

}  // namespace import_chatbot::model
