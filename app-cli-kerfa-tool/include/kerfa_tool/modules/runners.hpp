#pragma once

#include "kerfa_tool/types/arguments.hpp"
#include "kerfa_tool/types/command.hpp"
#include "kerfa_tool/types/exit_error.hpp"

namespace kerfa_tool::modules {

using types::Arguments;
using types::Command;
using types::CommandResult;

// The runner of each command: main dispatches a command to the overload of run_command taking
// its alternative, and a command with no overload declared here to nothing at all. To add a
// command's runner, declare its overload below (one line) and define it in the command's own
// file under src/modules/.
CommandResult run_command(const Command::Help& command, const Arguments& arguments);
CommandResult run_command(const Command::PrintAppInfo& command, const Arguments& arguments);
CommandResult run_command(const Command::Stats& command, const Arguments& arguments);
CommandResult run_command(const Command::Test& command, const Arguments& arguments);
CommandResult run_command(const Command::Convert& command, const Arguments& arguments);
CommandResult run_command(const Command::PrintSource& command, const Arguments& arguments);
CommandResult run_command(const Command::Hash& command, const Arguments& arguments);
CommandResult run_command(const Command::Index& command, const Arguments& arguments);
CommandResult run_command(const Command::InvalidCommand& command, const Arguments& arguments);

}  // namespace kerfa_tool::modules
