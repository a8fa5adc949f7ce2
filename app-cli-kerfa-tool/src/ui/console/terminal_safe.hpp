#pragma once

#include <string>
#include <string_view>

namespace kerfa_tool::ui::console {

// Appends the text with every C0 control character but tab, and DEL, written as "\u{XX}" (two
// lower-case hexadecimal digits), so that text taken from a document cannot drive the terminal.
void append_terminal_safe(std::string& out, std::string_view text);

}  // namespace kerfa_tool::ui::console
