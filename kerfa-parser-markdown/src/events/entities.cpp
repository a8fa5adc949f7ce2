#include "events/entities.hpp"

#include <cstddef>

#include "shared/utils/utf8.hpp"

// The engine's HTML library exports its entity table but installs no header for it.
extern "C" {
struct Md4cEntity {
    const char* name;
    unsigned codepoints[2];
};
const Md4cEntity* entity_lookup(const char* name, std::size_t size);
}

namespace kerfa_parser_markdown::events {

namespace {

char32_t numeric_value(std::string_view digits, unsigned base) {
    char32_t value = 0;
    for (char c : digits) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else {
            digit = static_cast<unsigned>(c - 'A' + 10);
        }
        value = value * base + digit;  // at most 7 decimal or 6 hex digits: no overflow
    }
    return value;
}

}  // namespace

void append_entity(std::string& out, std::string_view entity) {
    if (entity.size() >= 4 && entity[1] == '#') {
        const bool hex = entity[2] == 'x' || entity[2] == 'X';
        const std::string_view digits = entity.substr(hex ? 3 : 2, entity.size() - (hex ? 4 : 3));
        const char32_t value = numeric_value(digits, hex ? 16 : 10);
        const bool invalid = value == 0 || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF;
        shared::utils::append_utf8(out, invalid ? shared::utils::REPLACEMENT_CHARACTER : value);
        return;
    }
    const Md4cEntity* known = entity_lookup(entity.data(), entity.size());
    if (known == nullptr) {
        out += entity;
        return;
    }
    shared::utils::append_utf8(out, known->codepoints[0]);
    if (known->codepoints[1] != 0) {
        shared::utils::append_utf8(out, known->codepoints[1]);
    }
}

}  // namespace kerfa_parser_markdown::events
