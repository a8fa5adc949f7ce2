#include "kerfa_tool/main.hpp"

#include "kerfa_tool/configure/app_factory.hpp"
#include "kerfa_tool/controller/arguments.hpp"
#include "kerfa_tool/modules/dispatch.hpp"
#include "kerfa_tool/ui/console/app_info.hpp"
#include "kerfa_tool/ui/console/errors.hpp"
#include "kerfa_tool/ui/console/help.hpp"

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
