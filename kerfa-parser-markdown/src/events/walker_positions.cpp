#include "events/walker.hpp"

#include <algorithm>
#include <string>

#include "events/definition_lines.hpp"
#include "events/lines.hpp"

namespace kerfa_parser_markdown::events {

void Walker::note_input_piece(std::size_t offset, std::size_t size) {
    hw_ = std::max(hw_, offset + size);
    if (offset < settings_.shift_from) {
        result_.piece_outside = true;
    }
    if (settings_.definitions != nullptr) {
        settings_.definitions->note_piece(to_original(offset), size);
    }
    if (heading_needs_line_) {
        heading_needs_line_ = false;
        const std::size_t line = lines::line_start(text_, offset);
        if (settings_.parts != nullptr && starts_part(line)) {
            end_part(line);
        }
        set_heading_line(line);
    }
    if (in_table_) {
        TableRecord& table = result_.tables.back();
        if (table.first_piece == NONE) {
            table.first_piece = to_original(offset);
            table_first_line_ = lines::line_start(text_, offset);
        }
        table_last_piece_ = offset;
        if (row_waits_for_piece_) {
            row_waits_for_piece_ = false;
            note_row_line(table, lines::line_start(text_, offset));
        }
    }
    if (!blocks_.empty() && (blocks_.back() == MD_BLOCK_P || blocks_.back() == MD_BLOCK_LI)) {
        if (run_first_ == NONE) {
            run_first_ = offset;
            run_break_before_first_ = run_saw_break_;
        }
        run_last_ = offset;
    }
}

void Walker::note_break() {
    if (run_first_ == NONE) {
        run_saw_break_ = true;
    }
}

void Walker::note_row_line(TableRecord& table, std::size_t line) {
    if (!settings_.find_repairs || table_in_item_ || table.cut_line != NONE) {
        return;
    }
    const std::size_t content = repair::skip_quote_markers(text_, line, table_quote_depth_);
    if (repair::starts_block(text_, content)) {
        table.cut_line = line;
        table.rows_before_cut = table.body_rows - 1;
        std::string blank_line;
        const std::size_t last_marker =
            std::string_view(text_.data() + line, content - line).rfind('>');
        if (last_marker != std::string_view::npos) {
            blank_line.assign(text_.substr(line, last_marker + 1));
        }
        blank_line += '\n';
        result_.edits.push_back({line, std::move(blank_line)});
    }
}

void Walker::end_run() {
    if (run_first_ != NONE && settings_.find_repairs && settings_.tables) {
        const repair::Run run{run_first_,   run_last_,       run_break_before_first_,
                              open_.quotes, open_.items > 0, open_.depth()};
        if (auto site = repair::find_site(text_, run)) {
            if (site->separator) {
                result_.edits.push_back({site->header_line, *site->separator, true});
            }
            repair::widen_delimiter_cells(text_, *site, result_.edits);
            repair::space_adjacent_pipes(text_, site->header_line, site->delimiter_line,
                                         result_.edits);
            result_.sites.push_back(std::move(*site));
        }
    }
    run_first_ = NONE;
    run_last_ = NONE;
    run_saw_break_ = false;
    run_break_before_first_ = false;
}

void Walker::end_table_lines() {
    if (settings_.find_repairs && table_first_line_ != NONE && table_last_piece_ != NONE) {
        repair::space_adjacent_pipes(text_, table_first_line_, table_last_piece_, result_.edits);
    }
    table_first_line_ = NONE;
    table_last_piece_ = NONE;
}

}  // namespace kerfa_parser_markdown::events
