#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kerfa_content::data::attributes {

// List marker styles, in their fixed order.
enum class BulletStyle : std::uint8_t {
    Asterisk = 0,
    Dash = 1,
    Disc = 2,
    Circle = 3,
    Plus = 4,
    Square = 5,
    Decimal = 6,
    DecimalLeadingZero = 7,
    LowerAlpha = 8,
    UpperAlpha = 9,
    LowerGreek = 10,
    LowerRoman = 11,
    UpperRoman = 12,
    None = 13,
};

inline constexpr std::array<std::string_view, 14> BULLET_STYLE_NAMES{
    "asterisk",    "dash",        "disc",        "circle",
    "plus",        "square",      "decimal",     "decimal-leading-zero",
    "lower-alpha", "upper-alpha", "lower-greek", "lower-roman",
    "upper-roman", "none",
};

// The written name, e.g. "decimal-leading-zero".
std::string_view name(BulletStyle style);

// True for the numbered styles, "decimal" to "upper-roman".
bool is_ordered(BulletStyle style);

// The style of a value, none outside 0..13.
std::optional<BulletStyle> bullet_style_from_value(std::uint8_t value);

}  // namespace kerfa_content::data::attributes
