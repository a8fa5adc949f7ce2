#pragma once

#include <cstdint>

namespace import_chatbot::formatters {

// The form of the documents an import writes.
enum class OutputFormat : std::uint8_t {
    Kerfa = 0,
    Markdown = 1,
};

}  // namespace import_chatbot::formatters
