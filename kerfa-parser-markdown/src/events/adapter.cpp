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

void give_literal(std::string_view text, EventSink& sink) {
    const EventList list = guards::literal_events(text);
    sink.take(list.events);
}

// Keeps every event, with a copy of each text that is not in the input.
class ListSink final : public EventSink {
  public:
    ListSink(std::string_view input, EventList& list) : input_(input), list_(list) {}

    void restart() override {
        list_.events.clear();
        list_.storage.clear();
    }
    void take(std::span<const Event> events) override {
        for (Event event : events) {
            const bool in_input =
                event.text.data() >= input_.data() &&
                event.text.data() + event.text.size() <= input_.data() + input_.size();
            if (!event.text.empty() && !in_input) {
                event.text = list_.keep(std::string(event.text));
            }
            list_.events.push_back(event);
        }
    }

  private:
    std::string_view input_;
    EventList& list_;
};

}  // namespace

std::optional<std::string_view> read_events(std::string_view whole, EventSink& sink) {
    const std::size_t bom = whole.starts_with(BYTE_ORDER_MARK) ? BYTE_ORDER_MARK.size() : 0;
    const std::string_view text = whole.substr(bom);
    if (guards::too_large_for_engine(text.size()) || guards::any_pre_scan_fires(text)) {
        give_literal(text, sink);
        return guards::LITERAL_MESSAGE;
    }

    RunSettings settings{.tables = true, .find_repairs = true, .bom = bom, .map = nullptr};
    RunResult first = run_engine(text, settings, sink);
    switch (first.status) {
        case RunStatus::Complete:
            break;
        case RunStatus::TableBudget: {
            settings.tables = false;
            settings.find_repairs = false;
            if (run_engine(text, settings, sink).status != RunStatus::Complete) {
                give_literal(text, sink);
                return guards::LITERAL_MESSAGE;
            }
            return guards::TABLES_OFF_MESSAGE;
        }
        case RunStatus::DestinationBudget:
        case RunStatus::EngineFailure:
            give_literal(text, sink);
            return guards::LITERAL_MESSAGE;
    }
    if (first.edits.empty()) {
        return std::nullopt;
    }

    // The first run stopped giving events at its first repair: it is read again, from the
    // edited text when the repairs hold, else from the text as it is.
    settings.find_repairs = false;
    repair::PositionMap map;
    std::string edited = repair::PositionMap::apply(text, std::move(first.edits), map);
    if (!guards::too_large_for_engine(edited.size())) {
        settings.map = &map;
        const RunResult second = run_engine(edited, settings, sink);
        if (second.status == RunStatus::Complete && repairs_hold(text, first, second)) {
            return std::nullopt;
        }
        sink.restart();
        settings.map = nullptr;
    }
    run_engine(text, settings, sink);
    return std::nullopt;
}

EventList read_events(std::string_view text) {
    EventList list;
    ListSink sink(text, list);
    if (const auto message = read_events(text, sink)) {
        list.message = std::string(*message);
    }
    return list;
}

}  // namespace kerfa_parser_markdown::events
