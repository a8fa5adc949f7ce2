#pragma once

#include "kerfa_tool/types/exit_error.hpp"

namespace kerfa_tool::ui::console {

// Each message on its own line in bright red (when the terminal allows colour), then an empty
// line.
void show_errors(const types::ExitError& error);

}  // namespace kerfa_tool::ui::console
