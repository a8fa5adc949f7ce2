#include "modules/runners.hpp"

namespace kerfa_tool::modules {

// The chat import is not part of the tool yet: the command does nothing and succeeds.
CommandResult run_command(const Command::AiChats& /*command*/, const Arguments& /*arguments*/) {
    return {};
}

}  // namespace kerfa_tool::modules
