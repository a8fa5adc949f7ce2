#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "kerfa_source_map/types/source_map.hpp"

namespace kerfa_source_map::elide {

struct ElidedText {
    std::string text;
    // Private spans that overlapped the range, each counted once.
    std::size_t count = 0;
};

// The bytes of text[start, end) without the parts covered by the private spans. Offsets that are
// out of order or out of range are clamped to the text and the range, so nothing is read outside
// either and no byte is written twice.
ElidedText elide_private(std::string_view text, std::size_t start, std::size_t end,
                         std::span<const types::ByteSpan> private_spans);

}  // namespace kerfa_source_map::elide
