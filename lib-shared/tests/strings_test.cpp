#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/utils/strings.hpp"

namespace {

using namespace shared::utils;

TEST(Strings, IsInteger) {
    struct Case {
        std::string text;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"0", true},
        {"+5", true},
        {"-0", true},
        {"42", true},
        {"007", true},
        {"9223372036854775807", true},
        {"-9223372036854775808", true},
        {"+9223372036854775807", true},
        {"9223372036854775808", false},
        {"-9223372036854775809", false},
        {"12345678901234567890", false},
        {"", false},
        {"+", false},
        {"-", false},
        {"5 ", false},
        {" 5", false},
        {"1e3", false},
        {"--5", false},
        {"+-5", false},
        {"-+5", false},
        {"1.0", false},
        {"\u0661", false},  // ARABIC-INDIC DIGIT ONE is no ASCII digit
    };
    for (const Case& c : cases) {
        EXPECT_EQ(is_integer(c.text), c.expected) << "[" << c.text << "]";
    }
}

TEST(Strings, CharacterClassTests) {
    struct Case {
        std::string text;
        bool alphabets;
        bool greek;
    };
    const std::vector<Case> cases = {
        {"", true, true},
        {"Hello", true, false},
        {"Hello World", false, false},
        {"abc1", false, false},
        {"é", false, false},
        {"\u0391\u03a9\u03b1\u03c9", false, true},  // Α Ω α ω: the bounds
        {"\u03c2", false, true},                    // final sigma lies inside
        {"\u03a2", false, true},                    // unassigned, but inside the range
        {"\u0390", false, false},
        {"\u03aa", false, false},
        {"\u03b0", false, false},
        {"\u03ca", false, false},
        {"\u03b1a", false, false},
        {"\xce", false, false},  // cut sequence
    };
    for (const Case& c : cases) {
        EXPECT_EQ(is_alphabets_only(c.text), c.alphabets) << c.text;
        EXPECT_EQ(is_greek_only(c.text), c.greek) << c.text;
    }
}

TEST(Strings, RemovePrefixAndSuffix) {
    EXPECT_EQ(remove_prefix("kerfa:doc", "kerfa:"), "doc");
    EXPECT_EQ(remove_prefix("doc", "kerfa:"), "doc");
    EXPECT_EQ(remove_prefix("Kerfa:doc", "kerfa:"), "Kerfa:doc");
    EXPECT_EQ(remove_prefix("abc", ""), "abc");
    EXPECT_EQ(remove_prefix("ab", "ab"), "");
    EXPECT_EQ(remove_suffix("name.kerfa", ".kerfa"), "name");
    EXPECT_EQ(remove_suffix("name.kerfa", ".md"), "name.kerfa");
    EXPECT_EQ(remove_suffix("a", "ba"), "a");
}

TEST(Strings, HashsetContainsAny) {
    const StringSet set = {"silent", "s"};
    EXPECT_TRUE(hashset_contains_any(set, {"x", "s"}));
    EXPECT_FALSE(hashset_contains_any(set, {"x", "S"}));
    EXPECT_FALSE(hashset_contains_any(set, {}));
    EXPECT_FALSE(hashset_contains_any(StringSet{}, {"s"}));
    const std::vector<std::string_view> names = {"quiet", "silent"};
    EXPECT_TRUE(hashset_contains_any(set, names));
}

}  // namespace
