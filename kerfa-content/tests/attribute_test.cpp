#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "kerfa_content/data/attributes/attribute.hpp"

namespace {

using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::BulletStyle;
using kerfa_content::data::attributes::Color;
using kerfa_content::data::attributes::DocumentLink;
using kerfa_content::data::attributes::NamedColor;

TEST(AttributeValue, TextFormOfEveryAlternative) {
    struct Case {
        Attribute attribute;
        std::string text;
    };
    const std::vector<Case> cases{
        {Attribute::Boolean{true}, "true"},
        {Attribute::Boolean{false}, "false"},
        {Attribute::Bullet{BulletStyle::DecimalLeadingZero}, "decimal-leading-zero"},
        {Attribute::Bullet{BulletStyle::None}, "none"},
        {Color{NamedColor::RebeccaPurple}, "rebeccapurple"},
        {Color{NamedColor::MidYellowGreen}, "#80FF00"},
        {Attribute::color("a1B2c3"), "a1B2c3"},  // no number sign is added
        {DocumentLink{"doc", "f:?x", std::nullopt}, "doc:?f\\:?x"},
        {DocumentLink{}, ""},
        {Attribute::Integer{-42}, "-42"},
        {Attribute::Integer{0}, "0"},
        {Attribute::Integer{std::numeric_limits<std::int64_t>::min()}, "-9223372036854775808"},
        {Attribute::Integer{std::numeric_limits<std::int64_t>::max()}, "9223372036854775807"},
        {Attribute::str("Some text"), "Some text"},
        {Attribute::string(""), ""},
        {Attribute::invalid("#ggg"), "#ggg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.attribute.value(), c.text) << "alternative " << c.attribute.index();
    }
}

TEST(AttributeValue, ConstructorsPickTheirAlternativeAndCopiesAreDeep) {
    EXPECT_EQ(Attribute::str("x").index(), 5u);
    EXPECT_EQ(Attribute::string("x").index(), 5u);
    EXPECT_EQ(Attribute::invalid("x").index(), 6u);
    const Attribute color = Attribute::color("ABC");
    ASSERT_EQ(color.index(), 2u);
    EXPECT_EQ(std::get<Color>(color).as_value()->text, "ABC");

    Attribute original = DocumentLink{"a", "b", "c"};
    Attribute copy = original;
    std::get<Attribute::DocLink>(original)->document = "changed";
    EXPECT_EQ(std::get<Attribute::DocLink>(copy)->document, "a");
    EXPECT_NE(copy, original);
    EXPECT_NE(Attribute::str("x"), Attribute::invalid("x"));
}

}  // namespace
