#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kerfa_tool/types/exit_error.hpp"

namespace kerfa_tool::modules::output {

// Fails with "Source and target file paths are the same." when the output path is the input path
// as text, or names the same file (device and inode, links followed). Reads nothing.
types::CommandResult check_distinct_paths(std::string_view file,
                                          const std::optional<std::string>& output);

// The last step of a conversion. With an output path: the text becomes the whole file (created
// or truncated), then "Done." unless silent; a failed write or close is the system's error text.
// Without one: the text and one newline on standard output, whatever silent says.
types::CommandResult write_conversion(std::string_view text,
                                      const std::optional<std::string>& output, bool silent);

// A whole conversion around `produce` (a callable giving std::expected<std::string, ExitError>):
// the path check first, so a clash is reported before the input is read; then the text is
// produced and written.
template <typename Produce>
types::CommandResult convert_to_output(std::string_view file,
                                       const std::optional<std::string>& output, bool silent,
                                       Produce&& produce) {
    if (auto distinct = check_distinct_paths(file, output); !distinct) {
        return distinct;
    }
    auto text = produce();
    if (!text) {
        return std::unexpected(std::move(text.error()));
    }
    return write_conversion(*text, output, silent);
}

}  // namespace kerfa_tool::modules::output
