#include "events/walker.hpp"

#include <string>

#include "events/code_indent.hpp"
#include "events/entities.hpp"

namespace kerfa_parser_markdown::events {

int Walker::text(MD_TEXTTYPE type, std::string_view piece) {
    const bool from_input = in_input(piece);
    if (from_input) {
        note_input_piece(offset_of(piece), piece.size());
    }
    if (dry_) {
        // Only positions and breaks still matter: they find the repairs.
        if (type == MD_TEXT_BR || type == MD_TEXT_SOFTBR) {
            note_break();
        }
        return 0;
    }
    if (comment_open_ && comment_takes(type, piece, from_input)) {
        return 0;
    }
    typed_text(type, piece, from_input);
    return 0;
}

void Walker::typed_text(MD_TEXTTYPE type, std::string_view piece, bool from_input) {
    switch (type) {
        case MD_TEXT_NORMAL:
            flush_inline_html();
            if (from_input) {
                normal_text(piece);
            } else {
                text_collector_.append_copy(piece);
            }
            break;
        case MD_TEXT_NULLCHAR:
            flush_inline_html();
            text_collector_.append_copy("\xEF\xBF\xBD");
            break;
        case MD_TEXT_ENTITY:
            flush_inline_html();
            append_entity(text_collector_.own(), piece);
            break;
        case MD_TEXT_BR:
            note_break();
            flush_inline();
            emit_kind(EventKind::HardBreak);
            break;
        case MD_TEXT_SOFTBR:
            note_break();
            flush_inline_html();
            text_collector_.trim_blanks_at_end();
            flush_text();
            emit_kind(EventKind::SoftBreak);
            break;
        case MD_TEXT_CODE:
            code_text(piece);
            break;
        case MD_TEXT_HTML:
            if (!blocks_.empty() && blocks_.back() == MD_BLOCK_HTML) {
                html_block_text(piece);
            } else {
                inline_html_text(piece);
            }
            break;
        default:
            break;
    }
}

void Walker::code_text(std::string_view piece) {
    if (in_code_span_) {
        if (in_input(piece)) {
            code_span_.append_view(piece);
        } else {
            code_span_.append_copy(piece);
        }
        return;
    }
    if (!in_input(piece)) {
        if (piece.find_first_not_of(' ') == std::string_view::npos) {
            code_indent_ += piece.size();
            return;
        }
        flush_code_indent();
        code_.append_copy(piece);
        return;
    }
    if (code_indent_ > 0) {
        code_.append_copy(indentation_as_written(text_, offset_of(piece), code_indent_));
        code_indent_ = 0;
    }
    code_.append_view(piece);
    code_last_piece_end_ = offset_of(piece) + piece.size();
}

void Walker::flush_code_indent() {
    if (code_indent_ > 0) {
        code_.append_copy(std::string(code_indent_, ' '));
        code_indent_ = 0;
    }
}

}  // namespace kerfa_parser_markdown::events
