#include "events/guards.hpp"

#include <algorithm>
#include <string>

#include "events/lines.hpp"

namespace kerfa_parser_markdown::events::guards {

using namespace lines;

bool too_many_list_markers(std::string_view text) {
    std::size_t p = 0;
    while (p < text.size()) {
        std::size_t q = p;
        std::size_t markers = 0;
        std::size_t first_marker = std::string_view::npos;
        while (true) {
            q = skip_quote_prefix(text, q);
            const std::size_t length = list_marker_length(text, q);
            if (length == 0) {
                break;
            }
            if (first_marker == std::string_view::npos) {
                first_marker = q;
            }
            ++markers;
            q += length;
        }
        if (markers > MAX_LIST_MARKERS && !is_thematic_break(text, first_marker)) {
            return true;
        }
        p = after_line_end(text, line_end(text, q));
    }
    return false;
}

bool too_long_bracket_paragraph(std::string_view text) {
    std::size_t p = 0;
    std::size_t lines_in_run = 0;
    bool bracket_in_run = false;
    while (p < text.size()) {
        const std::size_t end = line_end(text, p);
        if (rest_is_blank(text, p)) {
            lines_in_run = 0;
            bracket_in_run = false;
        } else {
            ++lines_in_run;
            const std::string_view line = text.substr(p, end - p);
            bracket_in_run = bracket_in_run || line.find_first_of("[]") != std::string_view::npos;
            if (lines_in_run > MAX_BRACKET_PARAGRAPH_LINES && bracket_in_run) {
                return true;
            }
        }
        p = after_line_end(text, end);
    }
    return false;
}

bool too_deep_brackets(std::string_view text) {
    if (text.find("]:") == std::string_view::npos) {
        return false;
    }
    std::size_t p = 0;
    std::size_t depth = 0;
    while (p < text.size()) {
        const std::size_t end = line_end(text, p);
        if (rest_is_blank(text, p)) {
            depth = 0;
        }
        for (std::size_t i = p; i < end; ++i) {
            if (text[i] == '[') {
                if (++depth > MAX_BRACKET_DEPTH) {
                    return true;
                }
            } else if (text[i] == ']' && depth > 0) {
                --depth;
            }
        }
        p = after_line_end(text, end);
    }
    return false;
}

EventList literal_events(std::string_view text) {
    EventList list;
    list.events.push_back(Event::of(EventKind::StartParagraph));
    if (!text.empty()) {
        std::string literal;
        literal.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '\r') {
                literal += '\n';
                if (i + 1 < text.size() && text[i + 1] == '\n') {
                    ++i;
                }
            } else if (c == '\0') {
                literal += "\xEF\xBF\xBD";
            } else {
                literal += c;
            }
        }
        list.events.push_back(Event::with_text(EventKind::Text, list.keep(std::move(literal))));
    }
    list.events.push_back(Event::of(EventKind::EndParagraph));
    list.message = std::string(LITERAL_MESSAGE);
    return list;
}

}  // namespace kerfa_parser_markdown::events::guards
