#include "ui/console/invalid_command.hpp"

#include <string>

#include "shared/utils/console.hpp"
#include "shared/utils/stdout.hpp"

namespace kerfa_tool::ui::console {

void show_invalid_command(std::string_view message) {
    shared::utils::console::nl();
    shared::utils::console::error_str("Invalid Command:");
    std::string out = "\n  ";
    out.append(message).append("\n\n");
    shared::utils::write_stdout(out);
}

}  // namespace kerfa_tool::ui::console
