#include "events/walker.hpp"

#include <string>

namespace kerfa_parser_markdown::events {

void Walker::normal_text(std::string_view piece) {
    const std::size_t open = piece.find("<!--");
    if (open == std::string_view::npos || piece.find("-->", open + 2) != std::string_view::npos ||
        (open == 0 && offset_of(piece) > 0 && text_[offset_of(piece) - 1] == '\\')) {
        text_collector_.append_view(piece);
        return;
    }
    text_collector_.append_view(piece.substr(0, open));
    comment_open_ = true;
    comment_pieces_.push_back(piece.substr(open));
}

bool Walker::comment_takes(MD_TEXTTYPE type, std::string_view piece, bool from_input) {
    if (type == MD_TEXT_SOFTBR) {
        note_break();
        comment_pieces_.emplace_back();
        return true;
    }
    if (type == MD_TEXT_NORMAL && from_input) {
        comment_text(piece);
        return true;
    }
    abandon_comment();
    return false;
}

void Walker::comment_text(std::string_view piece) {
    const std::size_t close = piece.find("-->");
    if (close == std::string_view::npos) {
        comment_pieces_.push_back(piece);
        return;
    }
    std::string html;
    for (std::string_view part : comment_pieces_) {
        html += part.empty() ? "\n" : part;
    }
    html += piece.substr(0, close + 3);
    if (!is_comment(html)) {
        comment_pieces_.push_back(piece);
        abandon_comment();
        return;
    }
    comment_open_ = false;
    comment_pieces_.clear();
    flush_text();
    emit(Event::with_text(EventKind::InlineHtml, store_.keep(html)));
    normal_text(piece.substr(close + 3));
}

bool Walker::is_comment(std::string_view html) {
    const std::string_view inside = html.substr(4, html.size() - 7);
    return !inside.starts_with('>') && !inside.starts_with("->") && !inside.ends_with('-') &&
           inside.find("--") == std::string_view::npos;
}

void Walker::abandon_comment() {
    if (!comment_open_) {
        return;
    }
    comment_open_ = false;
    for (std::string_view part : comment_pieces_) {
        if (part.empty()) {
            text_collector_.trim_blanks_at_end();
            flush_text();
            emit_kind(EventKind::SoftBreak);
        } else {
            text_collector_.append_view(part);
        }
    }
    comment_pieces_.clear();
}

}  // namespace kerfa_parser_markdown::events
