#include "events/part_repairs.hpp"

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "events/guards.hpp"
#include "events/lines.hpp"

namespace kerfa_parser_markdown::events {

namespace {

// Parts read alone give the engine at most this many times the text.
constexpr std::uint64_t READ_BUDGET = 2;

// Keeps the events of a part read on its own, with a copy of each text that is not in its text.
class PartSink final : public EventSink {
  public:
    explicit PartSink(std::string_view text) : text_(text) {}

    void restart() override {
        events.clear();
        texts_.clear();
    }
    void take(std::span<const Event> batch) override {
        for (Event event : batch) {
            if (!event.text.empty() && !lies_within(event.text, text_)) {
                event.text = texts_.emplace_back(event.text);
            }
            events.push_back(event);
        }
    }

    std::vector<Event> events;

  private:
    std::string_view text_;
    std::deque<std::string> texts_;
};

}  // namespace

bool repairs_hold(std::string_view text, std::span<const repair::Site> sites,
                  std::span<const TableRecord> tables, const RunResult& second) {
    // Sorted, so that each check is a search: a text may hold a repair on every other line.
    std::vector<std::tuple<std::size_t, std::size_t, bool>> separators;
    separators.reserve(second.separators.size());
    for (const SeparatorRecord& separator : second.separators) {
        separators.emplace_back(separator.original_offset, separator.depth,
                                separator.table_follows);
    }
    std::sort(separators.begin(), separators.end());
    std::vector<std::size_t> table_lines;
    std::vector<std::pair<std::size_t, std::size_t>> table_rows;
    for (const TableRecord& table : second.tables) {
        if (table.first_piece != SIZE_MAX) {
            table_lines.push_back(lines::line_start(text, table.first_piece));
        }
        table_rows.emplace_back(table.first_piece, table.body_rows);
    }
    std::sort(table_lines.begin(), table_lines.end());
    std::sort(table_rows.begin(), table_rows.end());

    std::size_t separator_sites = 0;
    for (const repair::Site& site : sites) {
        if (site.separator) {
            ++separator_sites;
            if (!std::binary_search(separators.begin(), separators.end(),
                                    std::tuple{site.header_line, site.depth, true})) {
                return false;
            }
        } else if (!std::binary_search(table_lines.begin(), table_lines.end(), site.header_line)) {
            return false;
        }
    }
    if (second.separators.size() != separator_sites) {
        return false;
    }
    return std::all_of(tables.begin(), tables.end(), [&](const TableRecord& before) {
        return before.cut_line == SIZE_MAX ||
               std::binary_search(table_rows.begin(), table_rows.end(),
                                  std::pair{before.first_piece, before.rows_before_cut});
    });
}

bool PartRepairs::repair(const PartFindings& part) {
    const std::optional<std::string_view> before = definitions_.before(text_, part.from);
    if (!before) {
        return false;
    }
    read_ += before->size() + (text_.size() - part.from);
    if (read_ > READ_BUDGET * text_.size()) {
        return false;
    }
    std::vector<repair::Edit> edits(part.edits.begin(), part.edits.end());
    for (repair::Edit& edit : edits) {
        edit.offset -= part.from;
    }
    repair::PositionMap map;
    const std::string edited =
        repair::PositionMap::apply(text_.substr(part.from), std::move(edits), map, *before);
    if (guards::too_large_for_engine(edited.size())) {
        return false;
    }
    const std::size_t inserted = edited.size() - before->size() - (text_.size() - part.from);
    const std::size_t to = part.to == SIZE_MAX ? text_.size() : part.to;
    DefinitionLines watched = definitions_.part(part.from, to);
    const RunSettings settings{
        .tables = true,
        .find_repairs = false,
        .bom = bom_,
        .map = &map,
        .parts = nullptr,
        .definitions = &watched,
        .shift_from = before->size(),
        .shift_to = part.from,
        .stop_line = part.to == SIZE_MAX ? SIZE_MAX : before->size() + (to - part.from) + inserted,
    };
    PartSink events(edited);
    const RunResult result = run_engine(edited, settings, events);
    if (result.status != RunStatus::Complete || result.piece_outside ||
        result.stopped != (part.to != SIZE_MAX)) {
        return false;
    }
    std::vector<Event>& list = events.events;
    if (part.from > 0 && (list.empty() || list.front().kind != EventKind::StartHeading ||
                          list.front().value != part.from + bom_)) {
        return false;
    }
    if (result.stopped) {
        // The heading that ends the part is the next part's.
        const auto heading = std::find_if(list.rbegin(), list.rend(), [](const Event& event) {
            return event.kind == EventKind::StartHeading;
        });
        if (heading == list.rend()) {
            return false;
        }
        list.erase(std::prev(heading.base()), list.end());
    }
    if (!definitions_.same_pieces(watched) ||
        !repairs_hold(text_, part.sites, part.tables, result)) {
        return false;
    }
    inserted_ += inserted;
    cells_added_ += result.table_cells;
    cells_removed_ += part.table_cells;
    destination_added_ += result.destination_bytes;
    destination_removed_ += part.destination_bytes;
    if (!list.empty()) {
        sink_.take(list);
    }
    return true;
}

bool PartRepairs::within_budgets(const RunResult& first) const {
    if (inserted_ == 0) {
        return true;
    }
    const std::uint64_t size = text_.size() + inserted_;
    if (guards::too_large_for_engine(size)) {
        return false;
    }
    const std::uint64_t cells = first.table_cells - cells_removed_ + cells_added_;
    const std::uint64_t destinations =
        first.destination_bytes - destination_removed_ + destination_added_;
    return cells <= guards::max_total_table_cells(size) &&
           destinations <= guards::max_destination_bytes(size);
}

}  // namespace kerfa_parser_markdown::events
