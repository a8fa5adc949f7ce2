#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace kerfa_source_map::types {

// A byte range of the text, start included, end excluded.
using ByteSpan = std::pair<std::size_t, std::size_t>;

// One section of the text: from its recorded start to the next section's start (or the text's
// end).
struct MappedSection {
    std::size_t start = 0;
    std::size_t end = 0;
};

// Where the sections and the private regions of one parsed text lie, in bytes.
struct SourceMap {
    std::vector<MappedSection> sections;
    std::vector<ByteSpan> private_spans;

    // The (start, end) of the section at the index; none past the end of the list.
    std::optional<ByteSpan> section_range(std::size_t index) const;
};

}  // namespace kerfa_source_map::types
