#pragma once

#include <string>

#include "kerfa_tool/types/exit_error.hpp"

namespace kerfa_tool::modules::source {

// Prints the SHA-256 digest of the file's raw bytes and a newline; the file is never parsed.
types::CommandResult run_hash(const std::string& path);

}  // namespace kerfa_tool::modules::source
