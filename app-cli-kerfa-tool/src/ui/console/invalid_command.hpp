#pragma once

#include <string_view>

namespace kerfa_tool::ui::console {

// The block of a command line that cannot be carried out: the error label, then the message
// indented by two blanks.
void show_invalid_command(std::string_view message);

}  // namespace kerfa_tool::ui::console
