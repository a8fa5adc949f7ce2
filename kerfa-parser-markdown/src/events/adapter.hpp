#pragma once

#include <optional>
#include <string_view>

#include "events/event.hpp"

namespace kerfa_parser_markdown::events {

// Gives the events of a Markdown text to `sink` as they come, and at most one message when the
// text could not be read in full (then it is read as plain text, or its tables as text). Linear
// in time and memory for any input; the events are never all held at once.
std::optional<std::string_view> read_events(std::string_view text, EventSink& sink);

// The same events collected in one list. The text must outlive the list.
EventList read_events(std::string_view text);

// The same events from readings of the whole text only, never of one part of it on its own:
// what the repairs of single parts must give, and where they cannot, what they fall back on.
std::optional<std::string_view> read_events_whole(std::string_view text, EventSink& sink);
EventList read_events_whole(std::string_view text);

}  // namespace kerfa_parser_markdown::events
