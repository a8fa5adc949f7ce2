#pragma once

#include <cstdint>

namespace kerfa_content::data::kinds {

// Whether an element of a kind takes a value (its first attribute).
enum class ValueNeed : std::uint8_t {
    None = 0,      // a written value is unexpected and dropped
    Required = 1,  // without a value the element is invalid
    Content = 2,   // optional; without one the spanned text is the value
    Optional = 3,  // optional (blocks that accept one)
};

// How the first value of an element is read.
enum class ValueKind : std::uint8_t {
    Boolean = 0,
    Color = 1,
    Integer = 2,
    Text = 3,
    Bullet = 4,
    DocumentLink = 5,
    HeadingStyle = 6,  // a text that is no heading style is read as a colour
    TableStyle = 7,    // a text that is no table style is read as a colour
};

// How the Kerfa parser reads a block's content.
enum class BlockMode : std::uint8_t {
    Default = 0,
    List = 1,
    Table = 2,
    TableHeading = 3,
};

}  // namespace kerfa_content::data::kinds
