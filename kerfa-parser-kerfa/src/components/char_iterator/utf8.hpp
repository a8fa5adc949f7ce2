#pragma once

#include <string>

#include "shared/utils/utf8.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

using shared::utils::utf8_length;

// Appends a character in UTF-8, with the ASCII case inline: the readers append every character
// of every token this way.
inline void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else {
        shared::utils::append_utf8(out, c);
    }
}

}  // namespace kerfa_parser_kerfa::components::char_iterator
