#include "events/walker.hpp"

#include <algorithm>

#include "events/guards.hpp"
#include "events/heading_scan.hpp"
#include "events/lines.hpp"

namespace kerfa_parser_markdown::events {

int Walker::enter_block(MD_BLOCKTYPE type, void* detail) {
    flush_inline();
    end_run();
    if (separator_waiting_) {
        separator_waiting_ = false;
        result_.separators.back().table_follows = type == MD_BLOCK_TABLE;
    }
    if (!start_block(type, detail)) {
        result_.status = RunStatus::TableBudget;
        return STOP;
    }
    blocks_.push_back(type);
    if (std::size_t* open = open_.counter(type)) {
        ++*open;
    }
    return 0;
}

bool Walker::start_block(MD_BLOCKTYPE type, void* detail) {
    switch (type) {
        case MD_BLOCK_DOC:
        case MD_BLOCK_TBODY:
            break;
        case MD_BLOCK_QUOTE:
            emit_kind(EventKind::StartBlockQuote);
            break;
        case MD_BLOCK_UL:
            emit_kind(EventKind::StartList);
            break;
        case MD_BLOCK_OL:
            emit(Event{EventKind::StartList,
                       0,
                       true,
                       static_cast<const MD_BLOCK_OL_DETAIL*>(detail)->start,
                       {}});
            break;
        case MD_BLOCK_LI:
            enter_item(*static_cast<const MD_BLOCK_LI_DETAIL*>(detail));
            break;
        case MD_BLOCK_HR:
            emit_kind(EventKind::Rule);
            break;
        case MD_BLOCK_H:
            enter_heading(*static_cast<const MD_BLOCK_H_DETAIL*>(detail));
            break;
        case MD_BLOCK_CODE:
            enter_code_block();
            break;
        case MD_BLOCK_HTML:
            enter_html_block();
            break;
        case MD_BLOCK_P:
            emit_kind(EventKind::StartParagraph);
            break;
        case MD_BLOCK_TABLE:
            if (!enter_table(*static_cast<const MD_BLOCK_TABLE_DETAIL*>(detail))) {
                return false;
            }
            emit_kind(EventKind::StartTable);
            break;
        case MD_BLOCK_THEAD:
            emit_kind(EventKind::StartTableHead);
            in_table_head_ = true;
            break;
        case MD_BLOCK_TR:
            enter_table_row();
            break;
        case MD_BLOCK_TH:
        case MD_BLOCK_TD:
            emit_kind(EventKind::StartTableCell);
            break;
    }
    return true;
}

void Walker::enter_item(const MD_BLOCK_LI_DETAIL& li) {
    emit_kind(EventKind::StartItem);
    if (li.is_task) {
        pending_task_ = li.task_mark != ' ';
        hw_ = std::max<std::size_t>(hw_, std::size_t{li.task_mark_offset} + 1);
    }
}

void Walker::enter_heading(const MD_BLOCK_H_DETAIL& h) {
    heading_event_ =
        emit(Event{EventKind::StartHeading, static_cast<std::uint8_t>(h.level), false, 0, {}});
    heading_needs_line_ = true;
    heading_line_ = NONE;
}

void Walker::enter_code_block() {
    emit_kind(EventKind::StartCodeBlock);
    code_.clear();
    code_indent_ = 0;
    code_last_piece_end_ = NONE;
}

void Walker::enter_html_block() {
    html_block_open_ = true;
    html_block_start_ = batch_.size();
    html_block_depth_ = open_.depth();
    emit_kind(EventKind::StartHtmlBlock);
    html_first_line_ = true;
    html_line_has_input_ = false;
    html_previous_line_end_ = 0;
    html_lead_.clear();
}

void Walker::enter_table_row() {
    if (in_table_head_) {
        return;
    }
    emit_kind(EventKind::StartTableRow);
    if (!result_.tables.empty()) {
        ++result_.tables.back().body_rows;
    }
    row_waits_for_piece_ = true;
}

int Walker::leave_block(MD_BLOCKTYPE type, void*) {
    if (type != MD_BLOCK_HTML && type != MD_BLOCK_CODE) {
        flush_inline();
    }
    end_run();
    blocks_.pop_back();
    if (std::size_t* open = open_.counter(type)) {
        --*open;
    }
    switch (type) {
        case MD_BLOCK_DOC:
        case MD_BLOCK_TBODY:
        case MD_BLOCK_HR:
            break;
        case MD_BLOCK_QUOTE:
            emit_kind(EventKind::EndBlockQuote);
            break;
        case MD_BLOCK_UL:
        case MD_BLOCK_OL:
            emit_kind(EventKind::EndList);
            break;
        case MD_BLOCK_LI:
            emit_kind(EventKind::EndItem);
            break;
        case MD_BLOCK_H:
            leave_heading();
            if (heading_line_ == settings_.stop_line && open_.depth() == 0) {
                result_.stopped = true;
                stop_ = true;
            }
            break;
        case MD_BLOCK_CODE:
            leave_code_block();
            break;
        case MD_BLOCK_HTML:
            leave_html_block();
            break;
        case MD_BLOCK_P:
            emit_kind(EventKind::EndParagraph);
            break;
        case MD_BLOCK_TABLE:
            end_table_lines();
            in_table_ = false;
            emit_kind(EventKind::EndTable);
            break;
        case MD_BLOCK_THEAD:
            in_table_head_ = false;
            emit_kind(EventKind::EndTableHead);
            break;
        case MD_BLOCK_TR:
            if (!in_table_head_) {
                emit_kind(EventKind::EndTableRow);
            }
            break;
        case MD_BLOCK_TH:
        case MD_BLOCK_TD:
            emit_kind(EventKind::EndTableCell);
            break;
    }
    return 0;
}

void Walker::leave_html_block() {
    html_block_open_ = false;
    if (dropping_separator_) {
        dropping_separator_ = false;
        separator_waiting_ = true;
    } else {
        emit_kind(EventKind::EndHtmlBlock);
    }
}

bool Walker::enter_table(const MD_BLOCK_TABLE_DETAIL& detail) {
    const std::uint64_t cells = std::uint64_t{detail.col_count} *
                                (std::uint64_t{detail.head_row_count} + detail.body_row_count);
    table_cells_ += cells;
    if (cells > guards::MAX_TABLE_CELLS ||
        table_cells_ > guards::max_total_table_cells(text_.size())) {
        return false;
    }
    result_.tables.push_back({});
    in_table_ = true;
    table_quote_depth_ = open_.quotes;
    table_in_item_ = open_.items > 0;
    return true;
}

void Walker::leave_heading() {
    if (heading_needs_line_) {
        heading_needs_line_ = false;
        HeadingLine line{};
        if (hw_ >= failed_scan_from_) {
            const std::size_t start = lines::line_start(text_, std::min(hw_, text_.size()));
            line = {start, lines::line_end(text_, start), false};
        } else {
            line = scan_heading_line(text_, hw_);
            if (!line.found) {
                failed_scan_from_ = hw_;
            }
        }
        hw_ = std::max(hw_, line.end);
        set_heading_line(line.start);
    }
    emit_kind(EventKind::EndHeading);
}

void Walker::set_heading_line(std::size_t line) {
    heading_line_ = line;
    if (heading_event_ != NONE) {
        batch_[heading_event_].value = to_whole(line);
    }
}

void Walker::leave_code_block() {
    flush_code_indent();
    std::string_view literal = code_.take(store_);
    const bool text_ends_with_line_end = !text_.empty() && lines::is_line_end(text_.back());
    if (!literal.empty() && literal.back() == '\n' && !text_ends_with_line_end &&
        code_last_piece_end_ == text_.size()) {
        literal.remove_suffix(1);
    }
    if (!literal.empty()) {
        emit(Event::with_text(EventKind::Text, literal));
    }
    emit_kind(EventKind::EndCodeBlock);
}

}  // namespace kerfa_parser_markdown::events
