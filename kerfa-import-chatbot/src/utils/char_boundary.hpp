#pragma once

#include <cstddef>
#include <string_view>

namespace import_chatbot::utils {

inline bool is_continuation_byte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Byte cuts that never split a UTF-8 character: the nearest character start at or before
// (floor) or at or after (ceil) the position, which is clamped to the text.
inline std::size_t floor_char_boundary(std::string_view text, std::size_t position) {
    if (position >= text.size()) {
        return text.size();
    }
    while (position > 0 && is_continuation_byte(text[position])) {
        --position;
    }
    return position;
}

inline std::size_t ceil_char_boundary(std::string_view text, std::size_t position) {
    while (position < text.size() && is_continuation_byte(text[position])) {
        ++position;
    }
    return position < text.size() ? position : text.size();
}

}  // namespace import_chatbot::utils
