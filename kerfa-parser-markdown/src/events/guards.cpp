#include "events/guards.hpp"

#include <algorithm>
#include <string>

#include "events/lines.hpp"

namespace kerfa_parser_markdown::events::guards {

using namespace lines;

namespace {

// Whether the leading run of the line at p holds more than 256 list markers and is no thematic
// break.
bool too_many_markers_at(std::string_view text, std::size_t p) {
    std::size_t markers = 0;
    std::size_t first_marker = std::string_view::npos;
    while (true) {
        p = skip_quote_prefix(text, p);
        const std::size_t length = list_marker_length(text, p);
        if (length == 0) {
            break;
        }
        if (first_marker == std::string_view::npos) {
            first_marker = p;
        }
        ++markers;
        p += length;
    }
    return markers > MAX_LIST_MARKERS && !is_thematic_break(text, first_marker);
}

// Whether "]:" occurs anywhere: the colons are few, so look for them.
bool holds_definition_marker(std::string_view text) {
    for (std::size_t i = find_byte<':'>(text, 1); i < text.size();
         i = find_byte<':'>(text, i + 1)) {
        if (text[i - 1] == ']') {
            return true;
        }
    }
    return false;
}

}  // namespace

PreScan pre_scan(std::string_view text, bool first_only) {
    PreScan found;
    const bool count_depth = holds_definition_marker(text);
    std::size_t lines_in_run = 0;
    bool bracket_in_run = false;
    std::size_t depth = 0;
    std::size_t p = 0;
    while (p < text.size()) {
        if (!found.list_markers && too_many_markers_at(text, p)) {
            found.list_markers = true;
            if (first_only) {
                return found;
            }
        }
        if (rest_is_blank(text, p)) {
            lines_in_run = 0;
            bracket_in_run = false;
            depth = 0;
            p = after_line_end(text, line_end(text, p));
            continue;
        }
        ++lines_in_run;
        std::size_t i = p;
        if (count_depth || !bracket_in_run) {
            for (i = find_byte<'\n', '\r', '[', ']'>(text, i);
                 i < text.size() && !is_line_end(text[i]);
                 i = find_byte<'\n', '\r', '[', ']'>(text, i + 1)) {
                bracket_in_run = true;
                if (text[i] == ']') {
                    depth -= depth > 0 ? 1 : 0;
                } else if (count_depth && ++depth > MAX_BRACKET_DEPTH) {
                    found.deep_brackets = true;
                    if (first_only) {
                        return found;
                    }
                }
            }
        } else {
            i = line_end(text, i);
        }
        if (lines_in_run > MAX_BRACKET_PARAGRAPH_LINES && bracket_in_run) {
            found.bracket_paragraph = true;
            if (first_only) {
                return found;
            }
        }
        p = after_line_end(text, i);
    }
    return found;
}

std::string_view literal_text(std::string_view text, std::string& storage) {
    std::size_t i = find_byte<'\r', '\0'>(text, 0);
    if (i == text.size()) {
        return text;
    }
    storage.clear();
    storage.reserve(text.size());
    std::size_t from = 0;
    for (; i < text.size(); i = find_byte<'\r', '\0'>(text, from)) {
        storage.append(text.substr(from, i - from));
        if (text[i] == '\r') {
            storage += '\n';
            from = i + 1 < text.size() && text[i + 1] == '\n' ? i + 2 : i + 1;
        } else {
            storage += "\xEF\xBF\xBD";
            from = i + 1;
        }
    }
    storage.append(text.substr(std::min(from, text.size())));
    return storage;
}

EventList literal_events(std::string_view text) {
    EventList list;
    list.events.push_back(Event::of(EventKind::StartParagraph));
    std::string storage;
    const std::string_view literal = literal_text(text, storage);
    if (!literal.empty()) {
        const std::string_view kept =
            literal.data() == text.data() ? literal : list.keep(std::move(storage));
        list.events.push_back(Event::with_text(EventKind::Text, kept));
    }
    list.events.push_back(Event::of(EventKind::EndParagraph));
    list.message = std::string(LITERAL_MESSAGE);
    return list;
}

}  // namespace kerfa_parser_markdown::events::guards
