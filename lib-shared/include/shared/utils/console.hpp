#pragma once

#include <string_view>

// Decorated console lines on standard output. Their sequences are fixed: they are written even
// when standard output is no terminal and the environment asks for no colour.
namespace shared::utils::console {

// INFO, text, reset, "\n\n".
void info(std::string_view text);
void print_info(std::string_view text);

// ERROR, text, reset, "\n\n".
void error_str(std::string_view text);
void print_error_str(std::string_view text);

// LIGHT_GREEN, "──  ", text, "  ──────", reset, "\n\n".
void short_heading(std::string_view text);

// text, reset, "\n": the caller puts the opening sequence into the text.
void color(std::string_view text);

// "\n".
void nl();

}  // namespace shared::utils::console
