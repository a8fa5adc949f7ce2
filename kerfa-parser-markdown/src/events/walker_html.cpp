#include "events/walker.hpp"

#include <algorithm>

#include "events/lines.hpp"

namespace kerfa_parser_markdown::events {

void Walker::inline_html_text(std::string_view piece) {
    const bool line_end = !in_input(piece) && piece == "\n";
    if (inline_html_open_ && line_end) {
        inline_html_.append_copy(piece);
        html_continues_ = true;
        return;
    }
    if (inline_html_open_ && html_continues_) {
        inline_html_.own().append(piece);
        html_continues_ = piece.find_first_not_of(" \t") == std::string_view::npos;
        return;
    }
    flush_inline();
    inline_html_open_ = true;
    html_continues_ = false;
    if (in_input(piece)) {
        inline_html_.append_view(piece);
    } else {
        inline_html_.append_copy(piece);
    }
}

void Walker::html_block_text(std::string_view piece) {
    const bool from_input = in_input(piece);
    if (!from_input && piece == "\n") {
        end_html_line();
        return;
    }
    if (from_input && !html_line_has_input_) {
        html_line_has_input_ = true;
        if (html_first_line_) {
            if (settings_.map != nullptr && settings_.map->in_separator(offset_of(piece))) {
                start_dropping_separator(offset_of(piece));
                return;
            }
            if (!html_lead_.empty()) {
                emit(Event::with_text(EventKind::Text, html_lead_.take(store_)));
            }
        }
    }
    if (!from_input && html_first_line_ && !html_line_has_input_) {
        html_lead_.append_copy(piece);
        return;
    }
    if (from_input) {
        html_line_.append_view(piece);
    } else {
        html_line_.append_copy(piece);
    }
}

void Walker::end_html_line() {
    const std::size_t from = std::max(hw_, html_previous_line_end_);
    const std::size_t end = lines::line_end(text_, std::min(from, text_.size()));
    html_first_line_ = false;
    html_line_has_input_ = false;
    if (end >= text_.size()) {
        emit(Event::with_text(EventKind::Html, html_line_.take(store_)));
        html_previous_line_end_ = text_.size();
    } else if (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n') {
        emit(Event::with_text(EventKind::Html, html_line_.take(store_)));
        emit(Event::with_text(EventKind::Html, "\n"));
        html_previous_line_end_ = end + 2;
    } else {
        html_line_.append_copy("\n");
        emit(Event::with_text(EventKind::Html, html_line_.take(store_)));
        html_previous_line_end_ = end + 1;
    }
}

void Walker::start_dropping_separator(std::size_t offset) {
    batch_.resize(html_block_start_);
    dropping_separator_ = true;
    result_.separators.push_back({to_original(offset), html_block_depth_, false});
    html_lead_.clear();
}

}  // namespace kerfa_parser_markdown::events
