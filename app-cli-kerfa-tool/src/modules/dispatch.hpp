#pragma once

#include "kerfa_tool/types/exit_error.hpp"
#include "types/arguments.hpp"
#include "types/command.hpp"

namespace kerfa_tool::modules {

// Runs the command through its runner (modules/runners.hpp).
types::CommandResult dispatch(const types::Command& command, const types::Arguments& arguments);

}  // namespace kerfa_tool::modules
