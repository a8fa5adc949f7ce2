#include "ui/console/errors.hpp"

#include <string>

#include "shared/utils/stdout.hpp"
#include "shared/utils/terminal_color.hpp"

namespace kerfa_tool::ui::console {

void show_errors(const types::ExitError& error) {
    using shared::utils::console::BrightColor;
    std::string out;
    for (const std::string& message : error.messages) {
        out.append(shared::utils::console::paint(message, BrightColor::Red)).push_back('\n');
    }
    out.push_back('\n');
    shared::utils::write_stdout(out);
}

}  // namespace kerfa_tool::ui::console
