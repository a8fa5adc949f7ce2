#pragma once

#include <cstdint>

namespace kerfa_tool::types {

// The output form of a conversion; the numbers are fixed because the converter's writer table is
// indexed by them.
enum class ConvertTarget : std::uint8_t {
    Headings = 0,
    Html = 1,
    Markdown = 2,
    Kerfa = 3,
    KerfaIndented = 4,
    KerfaMin = 5,
    KerfaV1 = 6,
    Structure = 7,
    Text = 8,
};

}  // namespace kerfa_tool::types
