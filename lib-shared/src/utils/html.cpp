#include "shared/utils/html.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

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

// Copies the runs between special bytes whole; one table look-up per byte finds them.
void append_escaped(std::string& out, std::string_view text, const EscapeTable& table) {
    const char* run = text.data();
    const char* const end = run + text.size();
    for (const char* at = run; at != end; ++at) {
        const std::uint8_t entity = table[static_cast<unsigned char>(*at)];
        if (entity != 0) {
            out.append(run, static_cast<std::size_t>(at - run));
            out.append(kEntities[entity]);
            run = at + 1;
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
