#include "kerfa_source_map/elide/elide_private.hpp"

#include <algorithm>

namespace kerfa_source_map::elide {

ElidedText elide_private(std::string_view text, std::size_t start, std::size_t end,
                         std::span<const types::ByteSpan> private_spans) {
    const std::size_t range_end = std::min(end, text.size());
    const std::size_t range_start = std::min(start, range_end);

    ElidedText result;
    result.text.reserve(range_end - range_start);
    std::size_t cursor = range_start;
    for (const auto& [span_start, span_end] : private_spans) {
        if (span_start >= range_end || span_end <= range_start) {
            continue;
        }
        // With sound spans the cursor never passes span_start; the clamps only matter for spans
        // that overlap or run backwards.
        const std::size_t keep_until = std::max(cursor, std::max(span_start, range_start));
        result.text.append(text.substr(cursor, keep_until - cursor));
        cursor = std::max(keep_until, std::min(span_end, range_end));
        ++result.count;
    }
    result.text.append(text.substr(cursor, range_end - cursor));
    return result;
}

}  // namespace kerfa_source_map::elide
