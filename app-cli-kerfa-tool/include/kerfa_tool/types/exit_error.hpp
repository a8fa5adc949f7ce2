#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace kerfa_tool::types {

// A failed command: the lines to print and the process exit status.
struct ExitError {
    std::vector<std::string> messages;
    std::int32_t code = 1;

    ExitError(std::string message) : messages{std::move(message)} {}
    ExitError(std::string_view message) : messages{std::string(message)} {}
    ExitError(const char* message) : messages{std::string(message)} {}
    // The system's description of the error, without decoration.
    ExitError(std::error_code error) : messages{error.message()} {}
};

// What every command runner returns.
using CommandResult = std::expected<void, ExitError>;

}  // namespace kerfa_tool::types
