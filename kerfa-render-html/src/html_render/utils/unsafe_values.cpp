#include "kerfa_render_html/html_render/utils/unsafe_values.hpp"

#include <array>

namespace kerfa_render_html::html_render::utils {

namespace {

bool has_scheme(std::string_view target, std::size_t from, std::string_view scheme) {
    std::size_t matched = 0;
    for (std::size_t i = from; i < target.size() && matched < scheme.size(); ++i) {
        char c = target[i];
        if (c == '\t' || c == '\n' || c == '\r') {
            continue;
        }
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != scheme[matched]) {
            return false;
        }
        ++matched;
    }
    return matched == scheme.size();
}

}  // namespace

bool is_script_link(std::string_view target) {
    std::size_t from = 0;
    while (from < target.size() && static_cast<unsigned char>(target[from]) <= 0x20) {
        ++from;
    }
    static constexpr std::array<std::string_view, 3> kSchemes = {
        "javascript:", "vbscript:", "data:"};
    for (std::string_view scheme : kSchemes) {
        if (has_scheme(target, from, scheme)) {
            return true;
        }
    }
    return false;
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

}  // namespace kerfa_render_html::html_render::utils
