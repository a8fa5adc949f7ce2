#pragma once

#include <string>
#include <string_view>

namespace kerfa_parser_markdown::events {

// Appends what an entity stands for: "&name;" from the HTML table (unknown names stay as
// written), "&#digits;" and "&#xhex;" as their code point, U+FFFD for 0, surrogates and values
// above U+10FFFF.
void append_entity(std::string& out, std::string_view entity);

}  // namespace kerfa_parser_markdown::events
