#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kerfa_parser_markdown::events {

// What the importer reads from the Markdown engine, in document order.
enum class EventKind : std::uint8_t {
    StartParagraph,
    EndParagraph,
    StartBlockQuote,
    EndBlockQuote,
    StartCodeBlock,
    EndCodeBlock,
    StartHtmlBlock,
    EndHtmlBlock,
    StartList,  // ordered: the start number in value
    EndList,
    StartItem,
    EndItem,
    StartTable,
    EndTable,
    StartTableHead,  // its cells directly inside, no row
    EndTableHead,
    StartTableRow,
    EndTableRow,
    StartTableCell,
    EndTableCell,
    StartEmphasis,
    EndEmphasis,
    StartStrong,
    EndStrong,
    StartStrikethrough,
    EndStrikethrough,
    StartHeading,  // level, and in value the offset of the start of its first line
    EndHeading,
    StartLink,  // the destination in text
    EndLink,
    StartImage,  // the destination in text
    EndImage,
    Text,  // adjacent texts merged
    Code,
    Html,
    InlineHtml,
    SoftBreak,
    HardBreak,
    Rule,
    TaskListMarker,  // flag: checked
};

struct Event {
    EventKind kind;
    std::uint8_t level = 0;   // of a heading
    bool flag = false;        // an ordered list; a checked task
    std::uint32_t value = 0;  // a list's start number; a heading's line offset
    std::string_view text;    // into the input or into the owning list's storage

    static Event of(EventKind kind) { return Event{kind, 0, false, 0, {}}; }
    static Event with_text(EventKind kind, std::string_view text) {
        return Event{kind, 0, false, 0, text};
    }
};

// Where the events of a reading go: a batch at a time, in document order; the texts of a batch
// that are not in the input live until `take` returns. A reading that cannot stand (a budget
// exceeded, tables to repair) is started over: `restart` drops whatever its events built.
class EventSink {
  public:
    virtual void restart() = 0;
    virtual void take(std::span<const Event> events) = 0;

  protected:
    ~EventSink() = default;
};

// The events of one text and the texts they view that are not in the input. The input must
// outlive the list.
struct EventList {
    std::vector<Event> events;
    std::deque<std::string> storage;
    // At most one: why the text was not read in full.
    std::optional<std::string> message;

    // Keeps a text and gives a view of it that lives as long as the list.
    std::string_view keep(std::string text) { return storage.emplace_back(std::move(text)); }
};

// Whether an event's text is a view of `whole` (the input), or lies elsewhere and must be kept.
inline bool lies_within(std::string_view piece, std::string_view whole) {
    return piece.data() >= whole.data() &&
           piece.data() + piece.size() <= whole.data() + whole.size();
}

}  // namespace kerfa_parser_markdown::events
