#pragma once

#include <string>
#include <string_view>

namespace kerfa_render_kerfa::utils {

// Backslashes doubled, then a backslash before every "<": how raw bodies are written.
void append_escaped_text(std::string_view text, std::string& out);

// As append_escaped_text, with every line feed and carriage return written as a backslash and "n"
// or "r": how text items are written. A raw line end would end its line when read again, and
// with it a list entry or a table row.
void append_escaped_line_text(std::string_view text, std::string& out);

// Backslashes doubled, a backslash before every double quote, every ">" and every "<" that
// directly follows another "<" (so that "<<" cannot open a double tag): how quoted values are
// written.
void append_escaped_special_characters(std::string_view text, std::string& out);

// Whether the output ends in a line feed or a carriage return.
inline bool ends_in_line_end(std::string_view out) {
    return !out.empty() && (out.back() == '\n' || out.back() == '\r');
}

}  // namespace kerfa_render_kerfa::utils
