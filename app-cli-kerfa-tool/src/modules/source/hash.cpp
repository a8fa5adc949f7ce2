#include "modules/source/hash.hpp"

#include <fmt/format.h>

#include "modules/runners.hpp"
#include "modules/source/file_sha256.hpp"
#include "shared/utils/files.hpp"
#include "shared/utils/stdout.hpp"

namespace kerfa_tool::modules {

namespace source {

types::CommandResult run_hash(const std::string& path) {
    if (!shared::utils::file_exists(path)) {
        return std::unexpected(types::ExitError(fmt::format("File not found: {}", path)));
    }
    auto digest = sha256_of_file(path);
    if (!digest) {
        return std::unexpected(
            types::ExitError(fmt::format("{}: {}", path, digest.error().message())));
    }
    digest->push_back('\n');
    shared::utils::write_stdout(*digest);
    return {};
}

}  // namespace source

CommandResult run_command(const Command::Hash& command, const Arguments& /*arguments*/) {
    return source::run_hash(command.file);
}

}  // namespace kerfa_tool::modules
