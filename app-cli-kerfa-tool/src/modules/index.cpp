#include "modules/runners.hpp"

namespace kerfa_tool::modules {

// The folder index is not part of the tool yet: the command does nothing and succeeds.
CommandResult run_command(const Command::Index& /*command*/, const Arguments& /*arguments*/) {
    return {};
}

}  // namespace kerfa_tool::modules
