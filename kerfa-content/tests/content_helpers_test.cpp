#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/testing/model.hpp"
#include "kerfa_content/utils/block.hpp"
#include "kerfa_content/utils/data.hpp"
#include "kerfa_content/utils/section.hpp"

namespace {

using namespace kerfa_content::testing;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::BulletStyle;
using kerfa_content::data::types::Block;
using kerfa_content::data::types::Section;
namespace kind = kerfa_content::data::kinds::property_kind;
namespace block_kind = kerfa_content::data::kinds::block_kind;
using kerfa_content::utils::get_content_starting_with;

TEST(SpanText, StopsAtTheTerminatorMetWithNoInnerSpanOpen) {
    struct Case {
        const char* what;
        std::vector<Data> items;
        std::size_t position;
        std::string text;
    };
    std::vector<Case> cases;
    cases.push_back({"link span with a nested bold span",
                     list(open(kind::LINK), text("one "), open(kind::BOLD), text("two"), close(),
                          close(), text("after")),
                     1, "one two"});
    cases.push_back({"empty span", list(open(kind::LINK), close(), text("after")), 1, ""});
    cases.push_back({"starting at a terminator", list(text("a"), close(), text("b")), 1, ""});
    cases.push_back({"position at the end", list(open(kind::LINK)), 1, ""});
    cases.push_back({"position beyond the end", list(text("x")), 7, ""});
    cases.push_back({"no closing terminator",
                     list(open(kind::LINK), text("a"), line_break(true), text("b")), 1, "a\nb"});
    cases.push_back({"invalid elements open spans too",
                     list(open(kind::LINK), open_invalid("nope"), text("x"), close(), text("y"),
                          close(), text("z")),
                     1, "xy"});
    cases.push_back({"containers give their text, markers nothing",
                     list(open(kind::LINK), heading(0), check(true), html("<b>"),
                          block(block_kind::BLOCK, list(text("in"), line_break(), text("side"))),
                          divider(), close()),
                     1, "<b>in\nside"});
    cases.push_back({"a nested span that takes its value from its text keeps that text",
                     list(open_content(kind::LINK), text("a "), open_content(kind::EMAIL),
                          text("b"), close(), text(" c"), close()),
                     1, "a  c"});
    cases.push_back(
        {"spans inside such a span give nothing either",
         list(open_content(kind::LINK), text("a"), open_content(kind::EMAIL), open(kind::BOLD),
              text("b"), close(), text("c"), close(), text("d"), close()),
         1, "ad"});
    cases.push_back(
        {"a nested span with a value of its own gives its text",
         list(open_content(kind::LINK), text("a"), open(kind::LINK, attrs({attr::text("x.org")})),
              text("b"), close(), close()),
         1, "ab"});
    for (const auto& c : cases) {
        EXPECT_EQ(get_content_starting_with(c.items, c.position), c.text) << c.what;
    }
}

Section section_of(std::vector<Data> children, std::optional<std::string> name = std::nullopt,
                   std::uint8_t level = 0) {
    Section s;
    s.id = 3;
    s.level = level;
    s.name = std::move(name);
    s.children = std::move(children);
    return s;
}

TEST(SectionHeading, NameAndLevelComeFromTheHeadingLine) {
    struct Case {
        const char* what;
        Section section;
        std::optional<std::string> name;
        std::uint8_t level;
    };
    std::vector<Case> cases;
    cases.push_back({"trimmed heading text",
                     section_of(list(heading(2), text(" \u00A0Title "), open(kind::BOLD),
                                     text("bold"), close(), line_break(), text("body"))),
                     "Title bold", 2});
    cases.push_back({"blank heading gives no name",
                     section_of(list(heading(1), text(" \u3000 "), line_break(), text("x")), "old"),
                     std::nullopt, 1});
    cases.push_back({"heading without text", section_of(list(heading(0)), "old"), std::nullopt, 0});
    cases.push_back({"first child not a heading",
                     section_of(list(text("Title"), heading(4)), "kept", 5), "kept", 5});
    cases.push_back(
        {"tagline is no heading", section_of(list(tagline(), text("T")), "kept", 1), "kept", 1});
    cases.push_back({"empty section", section_of({}, "kept", 2), "kept", 2});
    for (auto& c : cases) {
        kerfa_content::utils::update_from_heading(c.section);
        EXPECT_EQ(c.section.name, c.name) << c.what;
        EXPECT_EQ(c.section.level, c.level) << c.what;
        EXPECT_EQ(c.section.id, 3u) << c.what;
    }
}

TEST(SectionHeading, FirstLineTextAndNormalizeName) {
    using kerfa_content::utils::first_line_text;
    using kerfa_content::utils::normalize_name;
    EXPECT_EQ(first_line_text(section_of(
                  list(heading(0), text("A"), check(false), text("B"), line_break(), text("C")))),
              "AB");
    EXPECT_EQ(first_line_text(section_of(list(line_break(), text("C")))), std::nullopt);
    EXPECT_EQ(first_line_text(section_of(
                  list(block(0, list(text("x"), line_break(), text("y"))), line_break()))),
              "x\ny");

    EXPECT_EQ(normalize_name(std::nullopt), std::nullopt);
    EXPECT_EQ(normalize_name(""), std::nullopt);
    EXPECT_EQ(normalize_name("\t\u2028 "), std::nullopt);
    EXPECT_EQ(normalize_name("\u2003 a b \n"), "a b");
    EXPECT_EQ(normalize_name("x"), "x");
}

Block bullet_with(std::vector<Attribute> attributes) {
    return Block{block_kind::BULLET, std::move(attributes), {}};
}

TEST(BulletStart, StartNumberFromTheSecondAttribute) {
    const Attribute style = Attribute::Bullet{BulletStyle::Decimal};
    struct Case {
        const char* start;
        std::optional<std::int64_t> number;
    };
    const std::vector<Case> texts{
        {"+7", 7},
        {"-3", -3},
        {" 12 ", 12},
        {"\u00A012\u3000", 12},
        {"", 1},
        {"  ", 1},
        {"C", 3},
        {"a", 1},
        {"z", 26},
        {"AB", 28},
        {"aa", 27},
        {"ba", 53},
        {"zz", 702},
        {"aaa", 79},
        {"\u0391", 1},              // alpha
        {"\u03A9", 25},             // omega
        {"\u0392", 2},              // capital beta
        {"\u03B1\u03B1", 24},       // two alphas
        {"\u03A3", 19},             // a lone capital sigma lower-cases to sigma
        {"\u0391\u03A3", 18 + 23},  // word-final: final sigma (18), not sigma (19)
        {"x1", 1},
        {"\u00E9", 1},
        {"a\u03B1", 1},
        {"99999999999999999999", 1},  // beyond 64 bits: not an integer, not letters
        {"9223372036854775807", 9223372036854775807},
    };
    for (const auto& c : texts) {
        EXPECT_EQ(kerfa_content::utils::bullet_start(bullet_with({style, Attribute::str(c.start)})),
                  c.number)
            << c.start;
    }

    struct Other {
        const char* what;
        std::vector<Attribute> attributes;
        std::optional<std::int64_t> number;
    };
    const std::vector<Other> others{
        {"integer", {style, Attribute::Integer{-5}}, -5},
        {"style only", {style}, std::nullopt},
        {"boolean", {style, Attribute::Boolean{true}}, std::nullopt},
        {"invalid", {style, Attribute::invalid("3")}, std::nullopt},
    };
    for (const auto& c : others) {
        EXPECT_EQ(kerfa_content::utils::bullet_start(bullet_with(c.attributes)), c.number)
            << c.what;
    }
    EXPECT_EQ(kerfa_content::utils::bullet_start(Block{block_kind::BULLET, std::nullopt, {}}),
              std::nullopt);
}

}  // namespace
