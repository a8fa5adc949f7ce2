#include "events/walker.hpp"

#include "events/lines.hpp"
#include "events/part_repairs.hpp"

namespace kerfa_parser_markdown::events {

bool Walker::starts_part(std::size_t line) const {
    if (line == 0 || open_.depth() != 0 || blocks_.size() != 2) {
        return false;
    }
    std::size_t hashes = 0;
    while (line + hashes < text_.size() && text_[line + hashes] == '#') {
        ++hashes;
    }
    const std::size_t after = line + hashes;
    if (hashes == 0 || hashes > 6 ||
        (after < text_.size() && !lines::is_blank_char(text_[after]) &&
         !lines::is_line_end(text_[after]))) {
        return false;
    }
    std::size_t end = line - 1;
    if (text_[end] == '\n' && end > 0 && text_[end - 1] == '\r') {
        --end;
    }
    return lines::rest_is_blank(text_, lines::line_start(text_, end));
}

void Walker::end_part(std::size_t line) {
    defer_events(std::span<const Event>(batch_).first(heading_event_));
    batch_.erase(batch_.begin(), batch_.begin() + static_cast<std::ptrdiff_t>(heading_event_));
    heading_event_ = 0;
    close_part(line);
    part_from_ = line;
    part_edits_ = result_.edits.size();
    part_sites_ = result_.sites.size();
    part_tables_ = result_.tables.size();
    part_cells_ = table_cells_;
    part_destination_bytes_ = destination_bytes_;
    part_given_ = false;
}

void Walker::close_part(std::size_t to) {
    if (stop_) {
        return;
    }
    if (result_.edits.size() == part_edits_) {
        hand_on_deferred();
        return;
    }
    if (part_given_) {
        fail_part();
        return;
    }
    drop_deferred();
    const PartFindings part{
        part_from_,
        to,
        std::span<const repair::Edit>(result_.edits).subspan(part_edits_),
        std::span<const repair::Site>(result_.sites).subspan(part_sites_),
        std::span<const TableRecord>(result_.tables).subspan(part_tables_),
        table_cells_ - part_cells_,
        destination_bytes_ - part_destination_bytes_,
    };
    if (!settings_.parts->repair(part)) {
        fail_part();
    }
}

void Walker::fail_part() {
    result_.status = RunStatus::PartFailed;
    stop_ = true;
    batch_.clear();
    drop_deferred();
}

}  // namespace kerfa_parser_markdown::events
