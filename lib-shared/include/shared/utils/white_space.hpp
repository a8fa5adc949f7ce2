#pragma once

#include <string_view>

namespace shared::utils {

// The Unicode White_Space property: U+0009-U+000D, U+0020, U+0085, U+00A0, U+1680,
// U+2000-U+200A, U+2028, U+2029, U+202F, U+205F, U+3000 (not U+180E).
constexpr bool is_white_space(char32_t c) {
    if (c <= 0x20) {
        return c == 0x20 || (c >= 0x09 && c <= 0x0D);
    }
    if (c < 0x85) {
        return false;
    }
    return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// White space removed at the start, the end or both (by code point; invalid bytes stay).
std::string_view trim_start(std::string_view text);
std::string_view trim_end(std::string_view text);
std::string_view trim(std::string_view text);

// Empty or nothing but white space.
bool is_blank(std::string_view text);

// Whether any character of the text is white space (invalid bytes are not).
bool contains_white_space(std::string_view text);

}  // namespace shared::utils
