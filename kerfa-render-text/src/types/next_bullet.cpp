#include "types/next_bullet.hpp"

#include <array>
#include <string_view>

#include <fmt/format.h>

namespace kerfa_render_text::types {

namespace {

using kerfa_content::data::attributes::BulletStyle;

constexpr std::string_view kDisc = "\u2022";

constexpr std::array<std::string_view, 24> kGreek{
    "\u03b1", "\u03b2", "\u03b3", "\u03b4", "\u03b5", "\u03b6", "\u03b7", "\u03b8",
    "\u03b9", "\u03ba", "\u03bb", "\u03bc", "\u03bd", "\u03be", "\u03bf", "\u03c0",
    "\u03c1", "\u03c3", "\u03c4", "\u03c5", "\u03c6", "\u03c7", "\u03c8", "\u03c9",
};

// The counter (at least 1) in bijective base `base`: no zero digit, 1 is the first digit.
template <class Digit>
std::string bijective(std::int64_t counter, std::size_t base, Digit digit) {
    std::array<std::size_t, 64> places{};
    std::size_t count = 0;
    auto rest = static_cast<std::uint64_t>(counter);
    while (rest > 0) {
        --rest;
        places[count++] = rest % base;
        rest /= base;
    }
    std::string label;
    while (count > 0) {
        label += digit(places[--count]);
    }
    return label;
}

std::string numbered(std::int64_t counter, BulletStyle style) {
    switch (style) {
        case BulletStyle::DecimalLeadingZero:
            if (counter >= 0 && counter <= 9) {
                return fmt::format("0{}.", counter);
            }
            break;
        case BulletStyle::LowerAlpha:
        case BulletStyle::UpperAlpha:
            if (counter >= 1) {
                const char a = style == BulletStyle::LowerAlpha ? 'a' : 'A';
                return bijective(counter, 26,
                                 [a](std::size_t d) {
                                     return std::string(1, static_cast<char>(a + d));
                                 }) +
                       ".";
            }
            break;
        case BulletStyle::LowerGreek:
            if (counter >= 1) {
                return bijective(counter, kGreek.size(),
                                 [](std::size_t d) { return std::string(kGreek[d]); }) +
                       ".";
            }
            break;
        default:
            break;
    }
    return fmt::format("{}.", counter);
}

}  // namespace

std::string NextBullet::next() {
    switch (style) {
        case BulletStyle::Asterisk:
            return "*";
        case BulletStyle::Dash:
            return "-";
        case BulletStyle::Disc:
        case BulletStyle::LowerRoman:
        case BulletStyle::UpperRoman:
        case BulletStyle::None:
            return std::string(kDisc);
        case BulletStyle::Circle:
            return "\u25ef";
        case BulletStyle::Plus:
            return "+";
        case BulletStyle::Square:
            return "\u25a9";
        case BulletStyle::Decimal:
        case BulletStyle::DecimalLeadingZero:
        case BulletStyle::LowerAlpha:
        case BulletStyle::UpperAlpha:
        case BulletStyle::LowerGreek: {
            std::string label = numbered(counter, style);
            counter = static_cast<std::int64_t>(static_cast<std::uint64_t>(counter) + 1);
            return label;
        }
    }
    // A style value outside the enumeration (a hand-built attribute).
    return std::string(kDisc);
}

}  // namespace kerfa_render_text::types
