#include "kerfa_tool/modules/dispatch.hpp"

#include <variant>

#include "kerfa_tool/modules/runners.hpp"

namespace kerfa_tool::modules {

types::CommandResult dispatch(const types::Command& command, const types::Arguments& arguments) {
    return std::visit(
        [&arguments](const auto& alternative) -> CommandResult {
            if constexpr (requires { run_command(alternative, arguments); }) {
                return run_command(alternative, arguments);
            } else {
                // No runner yet: nothing to do, and nothing pretends otherwise.
                return {};
            }
        },
        command.value);
}

}  // namespace kerfa_tool::modules
