#pragma once

#include <cstdint>

namespace kerfa_document_manager::types {

// The output form of a conversion, by its fixed 8-bit number.
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

}  // namespace kerfa_document_manager::types
