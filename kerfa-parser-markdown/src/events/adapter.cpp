#include "events/adapter.hpp"

#include <algorithm>
#include <string>

#include "events/guards.hpp"
#include "events/lines.hpp"
#include "events/md4c_run.hpp"

namespace kerfa_parser_markdown::events {

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// Whether the second run, over the edited text, built every table the edits aimed at.
bool repairs_hold(std::string_view text, const RunResult& first, const RunResult& second) {
    std::size_t separator_sites = 0;
    for (const repair::Site& site : first.sites) {
        if (site.separator) {
            ++separator_sites;
            const bool seen =
                std::any_of(second.separators.begin(), second.separators.end(),
                            [&](const SeparatorRecord& separator) {
                                return separator.original_offset == site.header_line &&
                                       separator.depth == site.depth && separator.table_follows;
                            });
            if (!seen) {
                return false;
            }
        } else {
            const bool built = std::any_of(
                second.tables.begin(), second.tables.end(), [&](const TableRecord& table) {
                    return table.first_piece != SIZE_MAX &&
                           lines::line_start(text, table.first_piece) == site.header_line;
                });
            if (!built) {
                return false;
            }
        }
    }
    if (second.separators.size() != separator_sites) {
        return false;
    }
    for (const TableRecord& before : first.tables) {
        if (before.cut_line == SIZE_MAX) {
            continue;
        }
        const bool cut =
            std::any_of(second.tables.begin(), second.tables.end(), [&](const TableRecord& after) {
                return after.first_piece == before.first_piece &&
                       after.body_rows == before.rows_before_cut;
            });
        if (!cut) {
            return false;
        }
    }
    return true;
}

EventList with_message(EventList list, std::string_view message) {
    list.message = std::string(message);
    return list;
}

}  // namespace

EventList read_events(std::string_view whole) {
    const std::size_t bom = whole.starts_with(BYTE_ORDER_MARK) ? BYTE_ORDER_MARK.size() : 0;
    const std::string_view text = whole.substr(bom);
    if (guards::too_large_for_engine(text.size()) || guards::any_pre_scan_fires(text)) {
        return guards::literal_events(text);
    }

    RunSettings settings{.tables = true, .find_repairs = true, .bom = bom, .map = nullptr};
    RunResult first = run_engine(text, settings);
    switch (first.status) {
        case RunStatus::Complete:
            break;
        case RunStatus::TableBudget: {
            settings.tables = false;
            settings.find_repairs = false;
            RunResult plain = run_engine(text, settings);
            if (plain.status != RunStatus::Complete) {
                return guards::literal_events(text);
            }
            return with_message(std::move(plain.list), guards::TABLES_OFF_MESSAGE);
        }
        case RunStatus::DestinationBudget:
        case RunStatus::EngineFailure:
            return guards::literal_events(text);
    }
    if (first.edits.empty()) {
        return std::move(first.list);
    }

    repair::PositionMap map;
    std::string edited = repair::PositionMap::apply(text, std::move(first.edits), map);
    if (guards::too_large_for_engine(edited.size())) {
        return std::move(first.list);
    }
    // The second run's events view the edited text, so their list keeps it.
    EventList holder;
    const std::string_view edited_view = holder.keep(std::move(edited));
    settings.find_repairs = false;
    settings.map = &map;
    RunResult second = run_engine(edited_view, settings, std::move(holder));
    if (second.status != RunStatus::Complete || !repairs_hold(text, first, second)) {
        return std::move(first.list);
    }
    return std::move(second.list);
}

}  // namespace kerfa_parser_markdown::events
