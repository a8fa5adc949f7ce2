#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace kerfa_content::modules::parser::types {

// Where the sections and the removed private regions lie in the input, as byte offsets.
struct SourcePositions {
    std::vector<std::size_t> section_starts;
    std::vector<std::pair<std::size_t, std::size_t>> private_spans;  // (start, end)

    void add_section(std::size_t offset) { section_starts.push_back(offset); }

    bool operator==(const SourcePositions&) const = default;
};

}  // namespace kerfa_content::modules::parser::types
