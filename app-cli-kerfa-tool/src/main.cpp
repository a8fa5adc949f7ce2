#include "kerfa_tool/main.hpp"

#include "configure/app_factory.hpp"
#include "controller/arguments.hpp"
#include "modules/dispatch.hpp"
#include "ui/console/app_info.hpp"
#include "ui/console/errors.hpp"
#include "ui/console/help.hpp"

namespace kerfa_tool {

int main(std::vector<std::string> process_arguments) {
    types::Arguments arguments = controller::get_arguments(std::move(process_arguments));
    if (arguments.show_info) {
        ui::console::show_app_info(configure::app_info());
    }
    if (!arguments.command) {
        if (!arguments.show_info) {
            ui::console::show_help(configure::app_info());
        }
        return 0;
    }
    types::CommandResult result = modules::dispatch(*arguments.command, arguments);
    if (!result) {
        ui::console::show_errors(result.error());
        return result.error().code;
    }
    return 0;
}

}  // namespace kerfa_tool
