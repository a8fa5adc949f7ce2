#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/utils/lowercase.hpp"
#include "shared/utils/white_space.hpp"

namespace {

using namespace shared::utils;

TEST(WhiteSpace, IsTheWhiteSpacePropertyByCodePoint) {
    const std::vector<char32_t> white = {0x09,   0x0A,   0x0B,   0x0C,   0x0D,   0x20,
                                         0x85,   0xA0,   0x1680, 0x2000, 0x2005, 0x200A,
                                         0x2028, 0x2029, 0x202F, 0x205F, 0x3000};
    const std::vector<char32_t> not_white = {0x00,   0x08,   0x0E,   0x1F,   0x21,
                                             0x84,   0x9F,   0x180E, 0x1FFF, 0x200B,
                                             0x200D, 0x2060, 0xFEFF, 0x3001, 'a'};
    for (const char32_t c : white) {
        EXPECT_TRUE(is_white_space(c)) << std::hex << static_cast<unsigned>(c);
    }
    for (const char32_t c : not_white) {
        EXPECT_FALSE(is_white_space(c)) << std::hex << static_cast<unsigned>(c);
    }
}

TEST(WhiteSpace, TrimAndBlank) {
    struct Case {
        std::string text;
        std::string start;
        std::string end;
        std::string both;
        bool blank;
    };
    const std::vector<Case> cases = {
        {"", "", "", "", true},
        {" \t\r\n", "", "", "", true},
        {"\u00a0\u3000\u2028", "", "", "", true},
        {"  a b  ", "a b  ", "  a b", "a b", false},
        {"\u2003x\u202f", "x\u202f", "\u2003x", "x", false},
        {"\u180ex\u180e", "\u180ex\u180e", "\u180ex\u180e", "\u180ex\u180e", false},
        {"\u200bx", "\u200bx", "\u200bx", "\u200bx", false},
        // A lone continuation byte is not white space and stops the trim.
        {" \x80 ", "\x80 ", " \x80", "\x80", false},
        {"é ", "é ", "é", "é", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trim_start(c.text), c.start) << c.text;
        EXPECT_EQ(trim_end(c.text), c.end) << c.text;
        EXPECT_EQ(trim(c.text), c.both) << c.text;
        EXPECT_EQ(is_blank(c.text), c.blank) << c.text;
    }
}

TEST(WhiteSpace, ContainsWhiteSpaceByCodePoint) {
    struct Case {
        std::string text;
        bool contains;
    };
    const std::vector<Case> cases = {
        {"", false},
        {"abc", false},
        {"a b", true},
        {"a\tb", true},
        {"a\u00a0", true},
        {"\u2028", true},
        {"x\u3000", true},
        {"a\u200bb", false},
        // Bytes A0 and 85 inside other characters, and invalid bytes, are not white space.
        {"\u00e0\u00c5", false},
        {"\xA0\x85", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(contains_white_space(c.text), c.contains) << c.text;
    }
}

TEST(Lowercase, IsTheFullRootLocaleMapping) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"Hello WORLD 123", "hello world 123"},
        {"\u212a", "k"},        // KELVIN SIGN
        {"\u212b", "\u00e5"},   // ANGSTROM SIGN
        {"\u0130", "i\u0307"},  // dotted capital I, root locale (not Turkish)
        {"I", "i"},             // never the Turkish dotless i
        {"\u039f\u0394\u039f\u03a3", "\u03bf\u03b4\u03bf\u03c2"},  // final sigma
        {"\u03a3", "\u03c3"},                                      // alone: not final
        {"\u039f\u03a3 X", "\u03bf\u03c2 x"},
        {"\u00c9T\u00c9", "\u00e9t\u00e9"},
        {"\u1e9e", "\u00df"},          // capital sharp s
        {"\U00010400", "\U00010428"},  // DESERET, outside the BMP
        {"\u00df", "\u00df"},
        // Bytes that are not UTF-8 stay as they are.
        {"A\xff"
         "B",
         "a\xff"
         "b"},
        {"\xc3\u00c9", "\xc3\u00e9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(to_lowercase(c.text), c.expected) << c.text;
    }
    std::string out = "x:";
    append_lowercase(out, "AB");
    EXPECT_EQ(out, "x:ab");
}

}  // namespace
