#include "modules/index/index.hpp"

#include <fmt/format.h>

#include <cstddef>
#include <expected>
#include <string_view>
#include <system_error>

#include "kerfa_index_file/modules/directory.hpp"
#include "modules/runners.hpp"
#include "shared/utils/file_io.hpp"
#include "shared/utils/files.hpp"
#include "shared/utils/stdout.hpp"

namespace kerfa_tool::modules {

namespace index {

namespace {

// The folder that the index's path names is opened as given, links and all, since the user named
// it (the folder argument and any folders in the index name); the index's own name is derived,
// so a link planted there is never followed.
std::expected<void, std::error_code> write_index(std::string_view path, std::string_view bytes) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return shared::utils::OutputFolder::open(".").write_file(path, bytes);
    }
    const std::string_view folder = slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
    return shared::utils::OutputFolder::open(folder).write_file(path.substr(slash + 1), bytes);
}

}  // namespace

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
    if (auto written = write_index(path, indexed->plan.content); !written) {
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
