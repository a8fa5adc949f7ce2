#include "kerfa_source_map/build/builder.hpp"

#include <algorithm>

namespace kerfa_source_map::build {

types::SourceMap build_source_map(std::string_view text,
                                  const kerfa_content::modules::parser::types::ParseData& parse) {
    types::SourceMap map;
    if (!parse.positions) {
        return map;
    }
    const auto& starts = parse.positions->section_starts;
    map.sections.reserve(starts.size());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t start = std::min(starts[i], text.size());
        const std::size_t next = i + 1 < starts.size() ? starts[i + 1] : text.size();
        const std::size_t end = std::clamp(next, start, text.size());
        map.sections.push_back({start, end});
    }
    map.private_spans = parse.positions->private_spans;
    return map;
}

}  // namespace kerfa_source_map::build
