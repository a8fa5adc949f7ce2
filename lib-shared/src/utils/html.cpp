#include "shared/utils/html.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace shared::utils {

namespace {

// What each byte becomes: 0 itself, otherwise the entity of that number in kEntities.
using EscapeTable = std::array<std::uint8_t, 256>;

constexpr std::string_view kEntities[] = {"", "&amp;", "&lt;", "&gt;", "&quot;"};

constexpr EscapeTable escape_table(bool quotes) {
    EscapeTable table{};
    table['&'] = 1;
    table['<'] = 2;
    table['>'] = 3;
    if (quotes) {
        table['"'] = 4;
    }
    return table;
}

constexpr EscapeTable kTextTable = escape_table(false);
constexpr EscapeTable kAttributeTable = escape_table(true);

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighs = 0x8080808080808080;

// Exact: nonzero only when a byte of the word is zero.
constexpr bool has_zero_byte(std::uint64_t word) {
    return ((word - kOnes) & ~word & kHighs) != 0;
}

// Whether a byte of the word may be one to escape: '<' and '>' differ in one bit, as do '&'
// and '"', so two tests find all four. A word that passes is looked at byte by byte.
constexpr bool may_hold_special(std::uint64_t word) {
    return has_zero_byte((word | (kOnes * 0x02)) ^ (kOnes * '>')) ||
           has_zero_byte((word | (kOnes * 0x04)) ^ (kOnes * '&'));
}

// Copies the runs between special bytes whole; most text has none, so eight bytes at a time are
// skipped before the table is asked about each byte of a word that may hold one.
void append_escaped(std::string& out, std::string_view text, const EscapeTable& table) {
    const char* run = text.data();
    const char* const end = run + text.size();
    const char* at = run;
    while (at != end) {
        std::uint64_t word = 0;
        while (end - at >= 8 && (std::memcpy(&word, at, 8), !may_hold_special(word))) {
            at += 8;
        }
        const char* const stop = end - at >= 8 ? at + 8 : end;
        for (; at != stop; ++at) {
            const std::uint8_t entity = table[static_cast<unsigned char>(*at)];
            if (entity != 0) {
                out.append(run, static_cast<std::size_t>(at - run));
                out.append(kEntities[entity]);
                run = at + 1;
            }
        }
    }
    out.append(run, static_cast<std::size_t>(end - run));
}

}  // namespace

void append_html_text(std::string& out, std::string_view text) {
    append_escaped(out, text, kTextTable);
}

void append_html_attribute(std::string& out, std::string_view value) {
    append_escaped(out, value, kAttributeTable);
}

bool is_plain_css_value(std::string_view value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        switch (c) {
            case ';':
            case '{':
            case '}':
            case '\\':
            case '"':
            case '<':
            case '>':
            case 0x7F:
                return false;
            default:
                break;
        }
        if (c < 0x20) {
            return false;
        }
        // U+0080 to U+009F, the C1 controls, are 0xC2 0x80..0x9F in UTF-8.
        if (c == 0xC2 && i + 1 < value.size()) {
            const auto next = static_cast<unsigned char>(value[i + 1]);
            if (next >= 0x80 && next <= 0x9F) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace shared::utils
