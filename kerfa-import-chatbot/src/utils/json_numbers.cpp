#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

#include "utils/json_text.hpp"

namespace import_chatbot::utils {
namespace {

bool is_digit(char byte) {
    return byte >= '0' && byte <= '9';
}

bool is_number_byte(char byte) {
    return is_digit(byte) || byte == '-' || byte == '+' || byte == '.' || byte == 'e' ||
           byte == 'E';
}

// After the string that opens at `open`; the end of the text when it is not closed.
std::size_t after_string(std::string_view text, std::size_t open) {
    std::size_t position = open + 1;
    while (position < text.size()) {
        const void* found = std::memchr(text.data() + position, '"', text.size() - position);
        if (found == nullptr) {
            return text.size();
        }
        const std::size_t quote =
            static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        std::size_t backslashes = 0;
        while (quote - backslashes > open + 1 && text[quote - backslashes - 1] == '\\') {
            ++backslashes;
        }
        if (backslashes % 2 == 0) {
            return quote + 1;
        }
        position = quote + 1;
    }
    return text.size();
}

// Whether a number token is an integer the parser refuses or reads without its sign.
bool needs_float(std::string_view token) {
    const bool negative = token.starts_with('-');
    const std::string_view digits = token.substr(negative ? 1 : 0);
    if (digits.empty() || (digits.size() > 1 && digits[0] == '0')) {
        return false;
    }
    for (const char byte : digits) {
        if (!is_digit(byte)) {
            return false;
        }
    }
    std::uint64_t magnitude = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), magnitude).ec !=
        std::errc()) {
        return true;
    }
    return negative && (magnitude == 0 || magnitude > (std::uint64_t{1} << 63));
}

}  // namespace

std::optional<std::string> with_wide_integers_as_floats(std::string_view text,
                                                        std::size_t spare_capacity) {
    std::vector<std::size_t> ends;
    std::size_t position = 0;
    while (position < text.size()) {
        const char byte = text[position];
        if (byte == '"') {
            position = after_string(text, position);
        } else if (byte == '-' || is_digit(byte)) {
            std::size_t end = position + 1;
            while (end < text.size() && is_number_byte(text[end])) {
                ++end;
            }
            if (needs_float(text.substr(position, end - position))) {
                ends.push_back(end);
            }
            position = end;
        } else {
            ++position;
        }
    }
    if (ends.empty()) {
        return std::nullopt;
    }
    std::string rewritten;
    rewritten.reserve(text.size() + 2 * ends.size() + spare_capacity);
    std::size_t copied = 0;
    for (const std::size_t end : ends) {
        rewritten.append(text.substr(copied, end - copied));
        rewritten.append(".0");
        copied = end;
    }
    rewritten.append(text.substr(copied));
    return rewritten;
}

}  // namespace import_chatbot::utils
