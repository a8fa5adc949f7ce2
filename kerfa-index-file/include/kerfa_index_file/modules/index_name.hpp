#pragma once

#include <expected>
#include <optional>
#include <string_view>

#include "kerfa_index_file/types/index_error.hpp"
#include "kerfa_index_file/types/index_name.hpp"

namespace kerfa_index_file::modules {

// The variable that names the index when the command line does not.
inline constexpr const char* INDEX_NAME_VARIABLE = "KERFA_TOOL_INDEX_NAME";

// ".kerfa" gives Kerfa and ".md" Markdown (case-sensitive); any other "." in the name is an
// InvalidExtension; a name without one is all stem, format Unspecified ("" gives the stem "").
std::expected<types::IndexName, types::IndexError> parse_index_name(std::string_view name);

// The given name (even ""), else the environment value when it is valid UTF-8 and not empty,
// else the stem "Index" with format Unspecified.
std::expected<types::IndexName, types::IndexError> resolve_index_name(
    std::optional<std::string_view> name, std::optional<std::string_view> environment_value);

// As above, with the value of KERFA_TOOL_INDEX_NAME from this process's environment.
std::expected<types::IndexName, types::IndexError> resolve_index_name(
    std::optional<std::string_view> name);

}  // namespace kerfa_index_file::modules
