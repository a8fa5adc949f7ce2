#include "kerfa_tool/utils_read.hpp"
#include "modules/runners.hpp"
#include "shared/utils/files.hpp"
#include "ui/console/parse_stats.hpp"

namespace kerfa_tool::modules {

// Reads and parses the file, then reports its times and element counts under its file name.
CommandResult run_command(const Command::Stats& command, const Arguments& arguments) {
    const auto retrieved = retrieve(command.file, arguments.privacy);
    if (!retrieved) {
        return std::unexpected(retrieved.error());
    }
    ui::console::show_parse_stats(shared::utils::file_name(command.file).value_or(command.file),
                                  retrieved->parse, retrieved->read_timer, retrieved->parse_timer);
    return {};
}

}  // namespace kerfa_tool::modules
