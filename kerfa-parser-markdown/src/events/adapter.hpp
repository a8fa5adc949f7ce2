#pragma once

#include <string_view>

#include "events/event.hpp"

namespace kerfa_parser_markdown::events {

// The events of a Markdown text, with at most one message when the text could not be read in
// full (then it is read as plain text, or its tables as text). Linear in time and memory for
// any input. The text must outlive the list.
EventList read_events(std::string_view text);

}  // namespace kerfa_parser_markdown::events
