#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace shared::utils {

inline constexpr char32_t REPLACEMENT_CHARACTER = U'\uFFFD';

struct DecodedChar {
    char32_t code_point;  // U+FFFD when !valid
    std::uint8_t length;  // bytes consumed, 1 to 4; when invalid, the maximal invalid subpart
    bool valid;
};

// The UTF-8 character that starts at text[position] (position < text.size()). Overlong forms,
// surrogates, values above U+10FFFF and cut sequences are invalid; they consume their maximal
// subpart (at least one byte), as one U+FFFD would replace it.
DecodedChar decode_utf8_slow(std::string_view text, std::size_t position);

inline DecodedChar decode_utf8(std::string_view text, std::size_t position) {
    const auto lead = static_cast<unsigned char>(text[position]);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    return decode_utf8_slow(text, position);
}

// Bytes of the UTF-8 form of c (1 to 4); a surrogate or a value above U+10FFFF counts as U+FFFD.
inline std::size_t utf8_length(char32_t c) {
    if (c < 0x80) {
        return 1;
    }
    if (c < 0x800) {
        return 2;
    }
    if (c < 0x10000) {
        return 3;
    }
    return c <= 0x10FFFF ? 4 : 3;
}

// Appends the UTF-8 form of c; a surrogate or a value above U+10FFFF is written as U+FFFD.
void append_utf8(std::string& out, char32_t c);

std::string to_utf8(char32_t c);

bool is_valid_utf8(std::string_view text);

// Characters (code points) of a UTF-8 text, for widths and padding; an invalid stretch counts as
// the U+FFFD characters that would replace it.
std::size_t count_chars(std::string_view text);

// The text with each maximal invalid subpart replaced by one U+FFFD.
std::string utf8_lossy(std::string_view bytes);

}  // namespace shared::utils
