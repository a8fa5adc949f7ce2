#pragma once

#include <string>
#include <vector>

#include "shared/components/argumented.hpp"
#include "types/arguments.hpp"
#include "types/command.hpp"

namespace kerfa_tool::controller {

// Reads the command line (without the program name) into the command and the global options.
// Never fails: a line that cannot be carried out becomes Command::InvalidCommand.
types::Arguments get_arguments(std::vector<std::string> process_arguments);
types::Arguments get_arguments(shared::components::Argumented reader);

// Operand readers of source, hash and html.
void parse_source(shared::components::Argumented& reader, types::Arguments& arguments);
types::Command require_file(shared::components::Argumented& reader);
void parse_convert(shared::components::Argumented& reader, types::Arguments& arguments);

}  // namespace kerfa_tool::controller
