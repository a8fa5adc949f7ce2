#include "kerfa_tool/modules/index/index.hpp"

#include <fmt/format.h>

#include "kerfa_index_file/modules/directory.hpp"
#include "kerfa_tool/modules/runners.hpp"
#include "shared/utils/file_io.hpp"
#include "shared/utils/files.hpp"
#include "shared/utils/stdout.hpp"

namespace kerfa_tool::modules {

namespace index {

types::CommandResult run_index(const IndexSettings& settings) {
    const std::optional<std::string_view> index_name =
        settings.index_name ? std::optional<std::string_view>(*settings.index_name) : std::nullopt;
    auto indexed = kerfa_index_file::modules::index_directory(settings.directory, index_name,
                                                              settings.markdown);
    if (!indexed) {
        return std::unexpected(types::ExitError(indexed.error().as_string()));
    }
    if (!settings.silent) {
        shared::utils::write_stdout(fmt::format("Found {} files.\n", indexed->file_count));
    }
    const std::string path = shared::utils::join_path(settings.directory, indexed->plan.file_name);
    if (auto written = shared::utils::write_file(path, indexed->plan.content); !written) {
        return std::unexpected(types::ExitError(
            fmt::format("Failed to write {}: {}", path, written.error().message())));
    }
    if (!settings.silent) {
        shared::utils::write_stdout(fmt::format("{} created.\n", indexed->plan.file_name));
    }
    return {};
}

}  // namespace index

CommandResult run_command(const Command::Index& command, const Arguments& arguments) {
    return index::run_index({.directory = command.directory,
                             .index_name = command.index_name,
                             .markdown = command.markdown,
                             .silent = arguments.silent});
}

}  // namespace kerfa_tool::modules
