#pragma once

#include "kerfa_tool/types/arguments.hpp"
#include "kerfa_tool/types/command.hpp"
#include "kerfa_tool/types/exit_error.hpp"

namespace kerfa_tool::modules {

// Runs the command through its runner (modules/runners.hpp).
types::CommandResult dispatch(const types::Command& command, const types::Arguments& arguments);

}  // namespace kerfa_tool::modules
