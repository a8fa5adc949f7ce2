#include "events/heading_scan.hpp"

#include <algorithm>

#include "events/lines.hpp"

namespace kerfa_parser_markdown::events {

namespace {

using namespace lines;

// Past the container prefix: spaces, tabs, '>' and list markers, repeatedly.
std::size_t skip_container_prefix(std::string_view text, std::size_t p) {
    while (true) {
        p = skip_quote_prefix(text, p);
        const std::size_t marker = list_marker_length(text, p);
        if (marker == 0) {
            return p;
        }
        p += marker;
    }
}

// A run of '=' or of '-' from p, then only spaces and tabs.
bool is_setext_underline(std::string_view text, std::size_t p) {
    if (p >= text.size() || (text[p] != '=' && text[p] != '-')) {
        return false;
    }
    const char mark = text[p];
    while (p < text.size() && text[p] == mark) {
        ++p;
    }
    return rest_is_blank(text, p);
}

bool is_atx_start(std::string_view text, std::size_t p) {
    std::size_t hashes = 0;
    while (p + hashes < text.size() && text[p + hashes] == '#') {
        ++hashes;
    }
    if (hashes == 0 || hashes > 6) {
        return false;
    }
    const std::size_t after = p + hashes;
    return after >= text.size() || is_blank_char(text[after]) || is_line_end(text[after]);
}

bool is_fence(std::string_view text, std::size_t p) {
    return p + 2 < text.size() && (text[p] == '`' || text[p] == '~') && text[p + 1] == text[p] &&
           text[p + 2] == text[p];
}

bool is_definition_start(std::string_view text, std::size_t p, std::size_t end) {
    return p < end && text[p] == '[' &&
           text.substr(p, end - p).find("]:") != std::string_view::npos;
}

}  // namespace

HeadingLine scan_heading_line(std::string_view text, std::size_t hw) {
    std::size_t p = hw;
    const bool at_line_start = hw == 0 || is_line_end(text[hw - 1]);
    if (!at_line_start) {
        p = after_line_end(text, line_end(text, hw));
    }
    bool previous_content = false;
    std::size_t previous_start = 0;
    while (p < text.size()) {
        const std::size_t end = line_end(text, p);
        const std::size_t q0 = skip_quote_prefix(text, p);
        if (previous_content && is_setext_underline(text, q0)) {
            return {previous_start, end, true};
        }
        const std::size_t q = skip_container_prefix(text, p);
        if (is_atx_start(text, q)) {
            return {p, end, true};
        }
        previous_content = q < end && !is_thematic_break(text, q0) &&
                           !is_definition_start(text, q, end) && !is_setext_underline(text, q0) &&
                           !is_fence(text, q);
        previous_start = p;
        p = after_line_end(text, end);
    }
    const std::size_t start = line_start(text, std::min(hw, text.size()));
    return {start, line_end(text, start), false};
}

}  // namespace kerfa_parser_markdown::events
