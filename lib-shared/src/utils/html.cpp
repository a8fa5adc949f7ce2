#include "shared/utils/html.hpp"

namespace shared::utils {

namespace {

// Copies runs between special characters whole; only the special characters are looked up.
void append_escaped(std::string& out, std::string_view text, std::string_view specials) {
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find_first_of(specials, start);
        if (at == std::string_view::npos) {
            out.append(text.substr(start));
            return;
        }
        out.append(text.substr(start, at - start));
        switch (text[at]) {
            case '&':
                out.append("&amp;");
                break;
            case '<':
                out.append("&lt;");
                break;
            case '>':
                out.append("&gt;");
                break;
            default:
                out.append("&quot;");
                break;
        }
        start = at + 1;
    }
}

}  // namespace

void append_html_text(std::string& out, std::string_view text) {
    append_escaped(out, text, "&<>");
}

void append_html_attribute(std::string& out, std::string_view value) {
    append_escaped(out, value, "&\"<>");
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
