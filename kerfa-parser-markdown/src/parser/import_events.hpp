#pragma once

#include <string_view>

#include "events/event.hpp"
#include "kerfa_content/modules/parser/types/parse_data.hpp"

namespace kerfa_parser_markdown::parser {

// The document of a Markdown text: its events go into the harness as the adapter gives them,
// then completion.
kerfa_content::modules::parser::types::ParseData import_text(std::string_view text);

// The document of an event list: one pass over the events into the harness, then completion.
// `text` is the text the events came from (section starts move back to its line starts).
kerfa_content::modules::parser::types::ParseData import_events(const events::EventList& list,
                                                               std::string_view text);

}  // namespace kerfa_parser_markdown::parser
