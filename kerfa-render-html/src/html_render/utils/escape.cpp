#include "kerfa_render_html/html_render/utils/escape.hpp"

namespace kerfa_render_html::html_render::utils {

namespace {

// Copies runs between special characters whole; only the special characters are looked up.
template <typename Entity>
void append_escaped(std::string& out, std::string_view text, std::string_view specials,
                    Entity entity) {
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find_first_of(specials, start);
        if (at == std::string_view::npos) {
            out.append(text.substr(start));
            return;
        }
        out.append(text.substr(start, at - start));
        out.append(entity(text[at]));
        start = at + 1;
    }
}

std::string_view entity_of(char c) {
    switch (c) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        default:
            return "&quot;";
    }
}

}  // namespace

void append_text_escaped(std::string& out, std::string_view text) {
    append_escaped(out, text, "&<>", entity_of);
}

void append_attribute_escaped(std::string& out, std::string_view value) {
    append_escaped(out, value, "&\"<>", entity_of);
}

}  // namespace kerfa_render_html::html_render::utils
