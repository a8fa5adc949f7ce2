#include "shared/utils/strings.hpp"

#include <charconv>
#include <cstdint>

#include "shared/utils/utf8.hpp"

namespace shared::utils {

bool is_integer(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return false;
    }
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    // from_chars takes "-" but not "+"; the digits are already checked.
    const std::string_view number = text.front() == '+' ? digits : text;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    return error == std::errc{} && end == number.data() + number.size();
}

bool is_alphabets_only(std::string_view text) {
    for (const char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
            return false;
        }
    }
    return true;
}

bool is_greek_only(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size()) {
        const DecodedChar decoded = decode_utf8(text, position);
        const char32_t c = decoded.code_point;
        if (!decoded.valid || !((c >= 0x391 && c <= 0x3A9) || (c >= 0x3B1 && c <= 0x3C9))) {
            return false;
        }
        position += decoded.length;
    }
    return true;
}

std::string remove_prefix(std::string_view text, std::string_view prefix) {
    if (text.starts_with(prefix)) {
        text.remove_prefix(prefix.size());
    }
    return std::string(text);
}

std::string remove_suffix(std::string_view text, std::string_view suffix) {
    if (text.ends_with(suffix)) {
        text.remove_suffix(suffix.size());
    }
    return std::string(text);
}

bool hashset_contains_any(const StringSet& set, std::span<const std::string_view> texts) {
    for (const std::string_view text : texts) {
        if (set.contains(text)) {
            return true;
        }
    }
    return false;
}

}  // namespace shared::utils
