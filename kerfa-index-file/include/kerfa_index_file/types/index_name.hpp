#pragma once

#include <cstdint>
#include <string>

namespace kerfa_index_file::types {

enum class IndexFormat : std::uint8_t {
    Kerfa = 0,
    Markdown = 1,
    // The name has no extension: the caller's choice of format applies.
    Unspecified = 2,
};

// An index name as read: the file name without its extension, and the format the extension asks
// for.
struct IndexName {
    std::string stem;
    IndexFormat format = IndexFormat::Unspecified;

    bool operator==(const IndexName&) const = default;
};

}  // namespace kerfa_index_file::types
