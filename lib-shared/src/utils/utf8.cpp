#include "shared/utils/utf8.hpp"

#include <simdjson.h>

namespace shared::utils {

DecodedChar decode_utf8_slow(std::string_view text, std::size_t position) {
    const auto lead = static_cast<unsigned char>(text[position]);
    std::size_t length = 0;
    char32_t code_point = 0;
    // Bounds of the second byte; they exclude overlong forms, surrogates and values above
    // U+10FFFF, so a sequence that fits them is valid.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code_point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code_point = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code_point = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {REPLACEMENT_CHARACTER, 1, false};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (position + i >= text.size()) {
            return {REPLACEMENT_CHARACTER, static_cast<std::uint8_t>(i), false};
        }
        const auto byte = static_cast<unsigned char>(text[position + i]);
        if (byte < low || byte > high) {
            return {REPLACEMENT_CHARACTER, static_cast<std::uint8_t>(i), false};
        }
        low = 0x80;
        high = 0xBF;
        code_point = (code_point << 6) | (byte & 0x3F);
    }
    return {code_point, static_cast<std::uint8_t>(length), true};
}

void append_utf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = REPLACEMENT_CHARACTER;
    }
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string to_utf8(char32_t c) {
    std::string out;
    append_utf8(out, c);
    return out;
}

// simdjson checks blocks of bytes at once with the same rules as decode_utf8 (no overlong forms,
// surrogates or values above U+10FFFF).
bool is_valid_utf8(std::string_view text) {
    return simdjson::validate_utf8(text.data(), text.size());
}

std::size_t count_chars(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t position = 0; position < text.size(); ++count) {
        position += decode_utf8(text, position).length;
    }
    return count;
}

std::string utf8_lossy(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t position = 0;
    while (position < bytes.size()) {
        const DecodedChar decoded = decode_utf8(bytes, position);
        if (decoded.valid) {
            out.append(bytes.substr(position, decoded.length));
        } else {
            append_utf8(out, REPLACEMENT_CHARACTER);
        }
        position += decoded.length;
    }
    return out;
}

}  // namespace shared::utils
