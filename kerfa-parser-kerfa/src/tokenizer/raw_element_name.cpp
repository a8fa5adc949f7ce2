#include <array>
#include <cstddef>
#include <string>

#include "shared/utils/lowercase.hpp"
#include "tokenizer/state/element_start.hpp"

namespace kerfa_parser_kerfa::tokenizer::state {

namespace {

bool is_ascii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool equals_ascii_folded(std::string_view name, std::string_view lower) {
    if (name.size() != lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != lower[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool is_raw_element_name(std::string_view name) {
    static constexpr std::size_t kLongestRawName = 10;
    static constexpr std::array<std::string_view, 5> kRawNames = {
        "meta", "metadata", "htmlblock", "html-block", "html_block",
    };
    // Every raw name begins with "m" or "h"; lower-casing maps each character on its own, so a
    // name whose first byte is another ASCII letter or sign is none, whatever follows it.
    if (!name.empty() && static_cast<unsigned char>(name.front()) < 0x80) {
        const char first = static_cast<char>(name.front() | 0x20);
        if (first != 'm' && first != 'h') {
            return false;
        }
    }
    // A name that is not ASCII can still lower-case to a raw name (the Kelvin sign gives "k"),
    // so it takes the full mapping; no character shrinks to less than a third of its bytes.
    std::string lowered;
    if (name.size() <= 3 * kLongestRawName && !is_ascii(name)) {
        lowered = shared::utils::to_lowercase(name);
        name = lowered;
    }
    for (std::string_view raw : kRawNames) {
        if (equals_ascii_folded(name, raw)) {
            return true;
        }
    }
    return false;
}

}  // namespace kerfa_parser_kerfa::tokenizer::state
