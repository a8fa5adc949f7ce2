#include "modules/output/conversion_output.hpp"

#include "shared/utils/file_io.hpp"
#include "shared/utils/stdout.hpp"

namespace kerfa_tool::modules::output {
namespace {

constexpr std::string_view kSamePaths = "Source and target file paths are the same.";

}  // namespace

types::CommandResult check_distinct_paths(std::string_view file,
                                          const std::optional<std::string>& output) {
    if (!output) {
        return {};
    }
    if (*output == file || shared::utils::same_file(file, *output)) {
        return std::unexpected(types::ExitError(kSamePaths));
    }
    return {};
}

types::CommandResult write_conversion(std::string_view text,
                                      const std::optional<std::string>& output, bool silent) {
    if (!output) {
        shared::utils::write_stdout(text);
        shared::utils::write_stdout("\n");
        return {};
    }
    if (auto written = shared::utils::write_file(*output, text); !written) {
        return std::unexpected(types::ExitError(written.error()));
    }
    if (!silent) {
        shared::utils::write_stdout("Done.\n");
    }
    return {};
}

}  // namespace kerfa_tool::modules::output
