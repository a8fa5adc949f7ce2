#include "kerfa_content/utils/statistics.hpp"
#include "kerfa_tool/utils_read.hpp"
#include "modules/runners.hpp"
#include "shared/utils/files.hpp"
#include "ui/console/parse_stats.hpp"

namespace kerfa_tool::modules {

// Reads and parses the file, then reports its times and element counts under its file name.
// Each section is counted as the parse completes it and dropped, so no whole tree is kept.
CommandResult run_command(const Command::Stats& command, const Arguments& arguments) {
    kerfa_content::types::Count counts("Total");
    const auto retrieved = retrieve_each(
        command.file, arguments.privacy, [&counts](kerfa_content::data::structure::Data section) {
            kerfa_content::utils::add_counts({&section, 1}, counts);
        });
    if (!retrieved) {
        return std::unexpected(retrieved.error());
    }
    ui::console::show_parse_stats(shared::utils::file_name(command.file).value_or(command.file),
                                  counts, retrieved->read_timer, retrieved->parse_timer);
    return {};
}

}  // namespace kerfa_tool::modules
