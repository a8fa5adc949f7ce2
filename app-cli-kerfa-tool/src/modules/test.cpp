#include "kerfa_tool/utils_read.hpp"
#include "modules/runners.hpp"
#include "shared/utils/files.hpp"
#include "ui/console/test_results.hpp"

namespace kerfa_tool::modules {

// Reads and parses the file, then lists its format errors under its file name. A document with
// errors is still a successful run. No section is kept: the errors are all it reports.
CommandResult run_command(const Command::Test& command, const Arguments& arguments) {
    const auto retrieved =
        retrieve_each(command.file, arguments.privacy, [](kerfa_content::data::structure::Data) {});
    if (!retrieved) {
        return std::unexpected(retrieved.error());
    }
    ui::console::show_test_results(shared::utils::file_name(command.file).value_or(command.file),
                                   retrieved->parse);
    return {};
}

}  // namespace kerfa_tool::modules
