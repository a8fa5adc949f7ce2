#include "kerfa_source_map/types/source_map.hpp"

namespace kerfa_source_map::types {

std::optional<ByteSpan> SourceMap::section_range(std::size_t index) const {
    if (index >= sections.size()) {
        return std::nullopt;
    }
    const MappedSection& section = sections[index];
    return ByteSpan{section.start, section.end};
}

}  // namespace kerfa_source_map::types
