#pragma once

#include <optional>
#include <string_view>

#include "kerfa_tool/types/exit_error.hpp"

namespace kerfa_tool::modules::source {

// Prints the file's bytes exactly as written, whole or one top-level section (by outline id or
// heading title), with the private regions cut out unless show_private; no newline is added.
// When regions were cut and not silent, one notice with their count goes to standard error.
types::CommandResult run_source(std::string_view path, std::optional<std::string_view> selector,
                                bool show_private, bool silent);

}  // namespace kerfa_tool::modules::source
