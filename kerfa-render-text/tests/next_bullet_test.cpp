#include "types/next_bullet.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace kerfa_render_text::types {
namespace {

using kerfa_content::data::attributes::BulletStyle;

struct Case {
    BulletStyle style;
    std::int64_t counter;
    std::string label;
    std::int64_t after;  // the counter once the label is taken
};

TEST(TextNextBullet, LabelsEveryStyle) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::vector<Case> cases{
        {BulletStyle::Asterisk, 5, "*", 5},
        {BulletStyle::Dash, 5, "-", 5},
        {BulletStyle::Disc, 5, "\u2022", 5},
        {BulletStyle::Circle, 5, "\u25ef", 5},
        {BulletStyle::Plus, 5, "+", 5},
        {BulletStyle::Square, 5, "\u25a9", 5},
        {BulletStyle::LowerRoman, 5, "\u2022", 5},
        {BulletStyle::UpperRoman, 5, "\u2022", 5},
        {BulletStyle::None, 5, "\u2022", 5},
        {BulletStyle::Decimal, 0, "0.", 1},
        {BulletStyle::Decimal, 9, "9.", 10},
        {BulletStyle::Decimal, 10, "10.", 11},
        {BulletStyle::Decimal, -5, "-5.", -4},
        {BulletStyle::DecimalLeadingZero, 0, "00.", 1},
        {BulletStyle::DecimalLeadingZero, 9, "09.", 10},
        {BulletStyle::DecimalLeadingZero, 10, "10.", 11},
        {BulletStyle::DecimalLeadingZero, -5, "-5.", -4},
        {BulletStyle::LowerAlpha, 1, "a.", 2},
        {BulletStyle::LowerAlpha, 26, "z.", 27},
        {BulletStyle::LowerAlpha, 27, "aa.", 28},
        {BulletStyle::LowerAlpha, 52, "az.", 53},
        {BulletStyle::LowerAlpha, 53, "ba.", 54},
        {BulletStyle::UpperAlpha, 1, "A.", 2},
        {BulletStyle::UpperAlpha, 53, "BA.", 54},
        {BulletStyle::UpperAlpha, kMax, "CRPXNLSKVLJFHG.", kMin},
        {BulletStyle::LowerGreek, 1, "\u03b1.", 2},
        {BulletStyle::LowerGreek, 17, "\u03c1.", 18},
        {BulletStyle::LowerGreek, 18, "\u03c3.", 19},
        {BulletStyle::LowerGreek, 24, "\u03c9.", 25},
        {BulletStyle::LowerGreek, 25, "\u03b1\u03b1.", 26},
        // Letters have no zero or negatives: decimal instead.
        {BulletStyle::LowerAlpha, 0, "0.", 1},
        {BulletStyle::UpperAlpha, -2, "-2.", -1},
        {BulletStyle::LowerGreek, 0, "0.", 1},
        {BulletStyle::LowerGreek, -2, "-2.", -1},
        // The counter wraps past the largest value instead of overflowing.
        {BulletStyle::Decimal, kMax, "9223372036854775807.", kMin},
        {BulletStyle::DecimalLeadingZero, kMin, "-9223372036854775808.", kMin + 1},
    };
    for (const Case& c : cases) {
        NextBullet bullet{c.counter, c.style};
        EXPECT_EQ(bullet.next(), c.label) << static_cast<int>(c.style) << " " << c.counter;
        EXPECT_EQ(bullet.counter, c.after) << static_cast<int>(c.style) << " " << c.counter;
    }
}

TEST(TextNextBullet, AStyleOutsideTheEnumerationPrintsTheDisc) {
    NextBullet bullet{3, static_cast<BulletStyle>(200)};
    EXPECT_EQ(bullet.next(), "\u2022");
    EXPECT_EQ(bullet.counter, 3);
}

}  // namespace
}  // namespace kerfa_render_text::types
