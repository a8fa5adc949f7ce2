#include "ui/console/test_results.hpp"

#include <string>

#include "shared/utils/console.hpp"
#include "shared/utils/stdout.hpp"
#include "ui/console/terminal_safe.hpp"

namespace kerfa_tool::ui::console {

void show_test_results(std::string_view file_name,
                       const kerfa_content::modules::parser::types::ParseData& parse) {
    shared::utils::console::nl();
    shared::utils::console::short_heading(file_name);
    if (!parse.error) {
        shared::utils::write_stdout("Valid Document \U0001F44D\n");
        return;
    }
    shared::utils::console::error_str("Errors Found:");
    std::string out = "\n";
    for (const std::string& message : parse.error->messages) {
        out.append("  ");
        append_terminal_safe(out, message);
        out.push_back('\n');
    }
    out.push_back('\n');
    shared::utils::write_stdout(out);
}

}  // namespace kerfa_tool::ui::console
