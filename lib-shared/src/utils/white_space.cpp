#include "shared/utils/white_space.hpp"

#include "shared/utils/utf8.hpp"

namespace shared::utils {

namespace {

// Bytes of the white-space character that ends at text[end - 1], or 0.
std::size_t white_space_before(std::string_view text, std::size_t end) {
    std::size_t start = end - 1;
    // Step back over at most three continuation bytes to the lead byte.
    while (start > 0 && end - start < 4 &&
           (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
        --start;
    }
    const DecodedChar decoded = decode_utf8(text, start);
    if (!decoded.valid || start + decoded.length != end) {
        return 0;
    }
    return is_white_space(decoded.code_point) ? decoded.length : 0;
}

}  // namespace

std::string_view trim_start(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size()) {
        const DecodedChar decoded = decode_utf8(text, position);
        if (!decoded.valid || !is_white_space(decoded.code_point)) {
            break;
        }
        position += decoded.length;
    }
    return text.substr(position);
}

std::string_view trim_end(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0) {
        const std::size_t length = white_space_before(text, end);
        if (length == 0) {
            break;
        }
        end -= length;
    }
    return text.substr(0, end);
}

std::string_view trim(std::string_view text) {
    return trim_end(trim_start(text));
}

bool is_blank(std::string_view text) {
    return trim_start(text).empty();
}

bool contains_white_space(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (is_white_space(byte)) {
                return true;
            }
            ++i;
            continue;
        }
        const DecodedChar decoded = decode_utf8(text, i);
        if (decoded.valid && is_white_space(decoded.code_point)) {
            return true;
        }
        i += decoded.length;
    }
    return false;
}

}  // namespace shared::utils
