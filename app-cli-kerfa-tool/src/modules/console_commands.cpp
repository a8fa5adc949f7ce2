#include "configure/app_factory.hpp"
#include "modules/runners.hpp"
#include "ui/console/app_info.hpp"
#include "ui/console/help.hpp"
#include "ui/console/invalid_command.hpp"

namespace kerfa_tool::modules {

CommandResult run_command(const Command::Help& /*command*/, const Arguments& /*arguments*/) {
    ui::console::show_help(configure::app_info());
    return {};
}

CommandResult run_command(const Command::PrintAppInfo& /*command*/,
                          const Arguments& /*arguments*/) {
    ui::console::show_app_info(configure::app_info());
    return {};
}

// A command line that cannot be carried out is reported, yet the run still succeeds.
CommandResult run_command(const Command::InvalidCommand& command, const Arguments& /*arguments*/) {
    ui::console::show_invalid_command(command.message);
    return {};
}

}  // namespace kerfa_tool::modules
