#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "attributes/attribute_lookup.hpp"
#include "attributes/to_attribute_actual.hpp"

namespace kerfa_parser_kerfa::test {
namespace {

using attributes::AttributeLookup;
using attributes::to_attribute_actual;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::BulletStyle;
using kerfa_content::data::attributes::Color;
using kerfa_content::data::attributes::DocumentLink;
using kerfa_content::data::attributes::NamedColor;
using kerfa_content::data::kinds::ValueKind;

struct WordCase {
    ValueKind kind;
    std::string word;
    Attribute expected;
};

Attribute boolean(bool value) {
    return Attribute::Boolean{value};
}
Attribute bullet(BulletStyle style) {
    return Attribute::Bullet{style};
}
Attribute named(NamedColor color) {
    return Color{color};
}
Attribute value(std::string digits) {
    return Attribute::color(std::move(digits));
}
Attribute integer(std::int64_t n) {
    return Attribute::Integer{n};
}
Attribute invalid(std::string text) {
    return Attribute::invalid(std::move(text));
}

void expect_words(const std::vector<WordCase>& cases) {
    const AttributeLookup lookup;
    for (const WordCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "kind " << static_cast<int>(c.kind) << " word '" << c.word << "'");
        EXPECT_EQ(to_attribute_actual(lookup, c.kind, c.word), std::optional(c.expected));
    }
}

TEST(AttributeValueTest, Booleans) {
    expect_words({
        {ValueKind::Boolean, "Yes", boolean(true)},
        {ValueKind::Boolean, "ON", boolean(true)},
        {ValueKind::Boolean, "T", boolean(true)},
        {ValueKind::Boolean, "x", boolean(true)},
        {ValueKind::Boolean, "1", boolean(true)},
        {ValueKind::Boolean, "-", boolean(false)},
        {ValueKind::Boolean, "No", boolean(false)},
        {ValueKind::Boolean, "OFF", boolean(false)},
        {ValueKind::Boolean, "maybe", invalid("maybe")},
        {ValueKind::Boolean, "checked", invalid("checked")},
        {ValueKind::Boolean, "", invalid("")},
    });
}

TEST(AttributeValueTest, CheckedValuesOfACheckBox) {
    const AttributeLookup lookup;
    EXPECT_EQ(lookup.checked("checked"), boolean(true));
    EXPECT_EQ(lookup.checked("Check"), boolean(true));
    EXPECT_EQ(lookup.checked("YES"), boolean(true));
    EXPECT_EQ(lookup.checked("n"), boolean(false));
    EXPECT_EQ(lookup.checked("Maybe"), invalid("Maybe"));
}

TEST(AttributeValueTest, BulletStyles) {
    expect_words({
        {ValueKind::Bullet, "A", bullet(BulletStyle::UpperAlpha)},
        {ValueKind::Bullet, "a", bullet(BulletStyle::LowerAlpha)},
        {ValueKind::Bullet, "I", bullet(BulletStyle::UpperRoman)},
        {ValueKind::Bullet, "R", bullet(BulletStyle::UpperRoman)},
        {ValueKind::Bullet, "i", bullet(BulletStyle::LowerRoman)},
        {ValueKind::Bullet, "r", bullet(BulletStyle::LowerRoman)},
        {ValueKind::Bullet, "B", invalid("B")},
        {ValueKind::Bullet, "Decimal", bullet(BulletStyle::Decimal)},
        {ValueKind::Bullet, "DECIMAL-LEADING-ZERO", bullet(BulletStyle::DecimalLeadingZero)},
        {ValueKind::Bullet, "01", bullet(BulletStyle::DecimalLeadingZero)},
        {ValueKind::Bullet, "1", bullet(BulletStyle::Decimal)},
        {ValueKind::Bullet, "Lower Alpha", bullet(BulletStyle::LowerAlpha)},
        {ValueKind::Bullet, "ROMAN", bullet(BulletStyle::UpperRoman)},
        {ValueKind::Bullet, "*", bullet(BulletStyle::Asterisk)},
        {ValueKind::Bullet, "\u2022", bullet(BulletStyle::Disc)},
        {ValueKind::Bullet, "\u25ef", bullet(BulletStyle::Circle)},
        {ValueKind::Bullet, "\u25a0", bullet(BulletStyle::Square)},
        {ValueKind::Bullet, "\u25a1", bullet(BulletStyle::Square)},
        {ValueKind::Bullet, "\u237a", bullet(BulletStyle::LowerGreek)},
        // Look-alikes are not the forms.
        {ValueKind::Bullet, "\u25cb", invalid("\u25cb")},
        {ValueKind::Bullet, "\u03b1", invalid("\u03b1")},
        {ValueKind::Bullet, "None", bullet(BulletStyle::None)},
    });
}

TEST(AttributeValueTest, Colours) {
    expect_words({
        {ValueKind::Color, "#ABC", value("ABC")},
        {ValueKind::Color, "#abcd", value("abcd")},
        {ValueKind::Color, "#A1B2C3", value("A1B2C3")},
        {ValueKind::Color, "#a1b2c3d4", value("a1b2c3d4")},
        {ValueKind::Color, "#abcde", invalid("#abcde")},
        {ValueKind::Color, "#ab", invalid("#ab")},
        {ValueKind::Color, "#ggg", invalid("#ggg")},
        {ValueKind::Color, "#", invalid("#")},
        {ValueKind::Color, "Dark Slate Gray", named(NamedColor::DarkSlateGray)},
        {ValueKind::Color, "DARK_SLATE_GRAY", named(NamedColor::DarkSlateGray)},
        {ValueKind::Color, "dark-slate-gray", named(NamedColor::DarkSlateGray)},
        {ValueKind::Color, "darkslategray", named(NamedColor::DarkSlateGray)},
        {ValueKind::Color, "grey", invalid("grey")},
        {ValueKind::Color, "darkslategrey", invalid("darkslategrey")},
        {ValueKind::Color, "RebeccaPurple", named(NamedColor::RebeccaPurple)},
        {ValueKind::Color, "mid green yellow", named(NamedColor::MidYellowGreen)},
        {ValueKind::Color, "Mid-Red-Magenta", named(NamedColor::MidMagentaRed)},
        {ValueKind::Color, "transparent", named(NamedColor::Transparent)},
        // Full lower-casing: the Kelvin sign is a "k".
        {ValueKind::Color, "\u212Ahaki", named(NamedColor::Khaki)},
    });
}

TEST(AttributeValueTest, Integers) {
    expect_words({
        {ValueKind::Integer, "+5", integer(5)},
        {ValueKind::Integer, "-0", integer(0)},
        {ValueKind::Integer, "007", integer(7)},
        {ValueKind::Integer, "9223372036854775807",
         integer(std::numeric_limits<std::int64_t>::max())},
        {ValueKind::Integer, "-9223372036854775808",
         integer(std::numeric_limits<std::int64_t>::min())},
        {ValueKind::Integer, "9223372036854775808", invalid("9223372036854775808")},
        {ValueKind::Integer, "-9223372036854775809", invalid("-9223372036854775809")},
        {ValueKind::Integer, "5px", invalid("5px")},
        {ValueKind::Integer, "", invalid("")},
        {ValueKind::Integer, "-", invalid("-")},
        {ValueKind::Integer, "+", invalid("+")},
        {ValueKind::Integer, "+-5", invalid("+-5")},
        {ValueKind::Integer, " 5", invalid(" 5")},
        {ValueKind::Integer, "\u0663", invalid("\u0663")},
    });
}

TEST(AttributeValueTest, TextsAndDocumentLinks) {
    DocumentLink link;
    link.document = "doc";
    link.filter = "f";
    expect_words({
        {ValueKind::Text, "As Written {}", Attribute::str("As Written {}")},
        {ValueKind::DocumentLink, "doc:?f", Attribute(link)},
        {ValueKind::DocumentLink, "", Attribute(DocumentLink{})},
    });
}

TEST(AttributeValueTest, HeadingAndTableStylesFallBackToColours) {
    expect_words({
        {ValueKind::HeadingStyle, "invert_colours", Attribute::str("inverse")},
        {ValueKind::HeadingStyle, "INV", Attribute::str("inverse")},
        {ValueKind::HeadingStyle, "red", named(NamedColor::Red)},
        {ValueKind::HeadingStyle, "#abc", value("abc")},
        {ValueKind::HeadingStyle, "nonsense", invalid("nonsense")},
        {ValueKind::TableStyle, "outline", Attribute::str("outlined")},
        {ValueKind::TableStyle, "Striped", Attribute::str("striped")},
        {ValueKind::TableStyle, "outline_column", Attribute::str("column")},
        {ValueKind::TableStyle, "Grid-Outlined", Attribute::str("grid")},
        {ValueKind::TableStyle, "row", Attribute::str("row")},
        {ValueKind::TableStyle, "red", named(NamedColor::Red)},
        {ValueKind::TableStyle, "nonsense", invalid("nonsense")},
    });
}

TEST(AttributeTablesTest, HoldEveryWrittenForm) {
    const auto& tables = AttributeLookup().tables();
    EXPECT_EQ(tables.booleans.size(), 14u);
    EXPECT_EQ(tables.checked.size(), 16u);
    EXPECT_EQ(tables.bullets.size(), 51u);
    EXPECT_EQ(tables.colors().size(), 432u);
    EXPECT_EQ(tables.heading_styles.size(), 10u);
    EXPECT_EQ(tables.table_styles.size(), 34u);
    EXPECT_EQ(tables.size(), 557u);
}

TEST(AttributeValueTest, ColourValueShapes) {
    struct Case {
        std::string text;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"#abc", true},   {"#ABCD", true},      {"#a0b1c2", true},   {"#a0b1c2d3", true},
        {"#ab", false},   {"#abcde", false},    {"#abcdefg", false}, {"abc", false},
        {"#ab c", false}, {"#\u00e9ab", false}, {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(attributes::is_color_value(c.text), c.accepted) << c.text;
    }
}

}  // namespace
}  // namespace kerfa_parser_kerfa::test
