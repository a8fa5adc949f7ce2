#pragma once

#include <expected>
#include <string>
#include <string_view>
#include <system_error>

#include "shared/utils/file_io.hpp"

namespace kerfa_tool::modules::source {

// SHA-256 of everything readable from the open descriptor, as 64 lower-case hexadecimal digits.
// The bytes are streamed in fixed chunks, so memory does not grow with the file.
std::expected<std::string, std::error_code> sha256_of_descriptor(
    const shared::utils::FileDescriptor& file);

// The same for the file at the path, opened read-only.
std::expected<std::string, std::error_code> sha256_of_file(const std::string& path);

}  // namespace kerfa_tool::modules::source
