#include "events/adapter.hpp"

#include <algorithm>
#include <string>

#include "events/guards.hpp"
#include "events/lines.hpp"
#include "events/md4c_run.hpp"
#include "events/part_repairs.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_parser_markdown::events {

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

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
            if (!event.text.empty() && !lies_within(event.text, input_)) {
                event.text = list_.keep(std::string(event.text));
            }
            list_.events.push_back(event);
        }
    }

  private:
    std::string_view input_;
    EventList& list_;
};

// A first run that ran out of a budget: the text read again without tables, or literally.
// Nothing when the run was complete.
std::optional<std::optional<std::string_view>> after_budget(std::string_view text, RunStatus status,
                                                            RunSettings settings, EventSink& sink) {
    switch (status) {
        case RunStatus::Complete:
            return std::nullopt;
        case RunStatus::TableBudget:
            settings.tables = false;
            settings.find_repairs = false;
            if (run_engine(text, settings, sink).status != RunStatus::Complete) {
                give_literal(text, sink);
                return guards::LITERAL_MESSAGE;
            }
            return guards::TABLES_OFF_MESSAGE;
        case RunStatus::DestinationBudget:
        case RunStatus::EngineFailure:
            give_literal(text, sink);
            return guards::LITERAL_MESSAGE;
        case RunStatus::PartFailed:
            break;
    }
    shared::utils::internal_fault("markdown: a part repair failed outside a first run");
}

// The text read whole, then again whole from the edited text when its tables need repairs: the
// reading that the repairs of single parts stand for, kept for texts where they cannot.
std::optional<std::string_view> read_whole(std::string_view text, std::size_t bom,
                                           EventSink& sink) {
    RunSettings settings{.tables = true, .find_repairs = true, .bom = bom, .map = nullptr};
    RunResult first = run_engine(text, settings, sink);
    if (const auto message = after_budget(text, first.status, settings, sink)) {
        return *message;
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
        if (second.status == RunStatus::Complete &&
            repairs_hold(text, first.sites, first.tables, second)) {
            return std::nullopt;
        }
        sink.restart();
        settings.map = nullptr;
    }
    run_engine(text, settings, sink);
    return std::nullopt;
}

std::size_t bom_size(std::string_view whole) {
    return whole.starts_with(BYTE_ORDER_MARK) ? BYTE_ORDER_MARK.size() : 0;
}

// A text too large for the engine, or one that a pre-scan finds would make it slow, is given as
// literal text.
bool gave_literal(std::string_view text, EventSink& sink) {
    if (guards::too_large_for_engine(text.size()) || guards::any_pre_scan_fires(text)) {
        give_literal(text, sink);
        return true;
    }
    return false;
}

}  // namespace

std::optional<std::string_view> read_events(std::string_view whole, EventSink& sink) {
    const std::size_t bom = bom_size(whole);
    const std::string_view text = whole.substr(bom);
    if (gave_literal(text, sink)) {
        return guards::LITERAL_MESSAGE;
    }

    PartRepairs parts(text, bom, sink);
    RunSettings settings{.tables = true,
                         .find_repairs = true,
                         .bom = bom,
                         .map = nullptr,
                         .parts = &parts,
                         .definitions = &parts.definitions()};
    const RunResult first = run_engine(text, settings, sink);
    if (first.status == RunStatus::PartFailed ||
        (first.status == RunStatus::Complete && !parts.within_budgets(first))) {
        sink.restart();
        return read_whole(text, bom, sink);
    }
    settings.parts = nullptr;
    settings.definitions = nullptr;
    return after_budget(text, first.status, settings, sink).value_or(std::nullopt);
}

std::optional<std::string_view> read_events_whole(std::string_view whole, EventSink& sink) {
    const std::size_t bom = bom_size(whole);
    const std::string_view text = whole.substr(bom);
    if (gave_literal(text, sink)) {
        return guards::LITERAL_MESSAGE;
    }
    return read_whole(text, bom, sink);
}

namespace {

using Reader = std::optional<std::string_view> (*)(std::string_view, EventSink&);

EventList collect(std::string_view text, Reader read) {
    EventList list;
    ListSink sink(text, list);
    if (const auto message = read(text, sink)) {
        list.message = std::string(*message);
    }
    return list;
}

}  // namespace

EventList read_events(std::string_view text) {
    return collect(text, &read_events);
}

EventList read_events_whole(std::string_view text) {
    return collect(text, &read_events_whole);
}

}  // namespace kerfa_parser_markdown::events
