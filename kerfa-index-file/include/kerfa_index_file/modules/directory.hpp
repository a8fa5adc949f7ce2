#pragma once

#include <cstddef>
#include <expected>
#include <optional>
#include <string_view>

#include "kerfa_index_file/types/index_error.hpp"
#include "kerfa_index_file/types/index_plan.hpp"

namespace kerfa_index_file::modules {

struct IndexedDirectory {
    types::IndexPlan plan;
    std::size_t file_count = 0;  // the documents the index lists
};

// Plans the index of the documents directly inside the folder: regular files (links followed)
// with a UTF-8 name whose extension is exactly md, markdown, kerfa, kfa, txt, text, log or logs.
// The index name is resolved as resolve_index_name does; a name without an extension gives
// Markdown when `markdown` is set, Kerfa otherwise. Reads the folder, writes nothing.
std::expected<IndexedDirectory, types::IndexError> index_directory(
    std::string_view folder, std::optional<std::string_view> index_name, bool markdown);

}  // namespace kerfa_index_file::modules
