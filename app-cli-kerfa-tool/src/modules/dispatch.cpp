#include "modules/dispatch.hpp"

#include <variant>

#include "modules/runners.hpp"

namespace kerfa_tool::modules {

types::CommandResult dispatch(const types::Command& command, const types::Arguments& arguments) {
    // Every alternative needs its run_command overload: a command without one does not build.
    return std::visit(
        [&arguments](const auto& alternative) -> CommandResult {
            return run_command(alternative, arguments);
        },
        command.value);
}

}  // namespace kerfa_tool::modules
