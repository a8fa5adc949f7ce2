#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/utils/utf8.hpp"

namespace {

using namespace shared::utils;

TEST(Utf8, DecodeValidAndInvalid) {
    struct Case {
        std::string bytes;
        char32_t code_point;
        unsigned length;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"a", U'a', 1, true},
        {"\x7f", 0x7F, 1, true},
        {"\u0080", 0x80, 2, true},
        {"\u07ff", 0x7FF, 2, true},
        {"\u0800", 0x800, 3, true},
        {"\uffff", 0xFFFF, 3, true},
        {"\U00010000", 0x10000, 4, true},
        {"\U0010ffff", 0x10FFFF, 4, true},
        {"\x80", 0xFFFD, 1, false},              // lone continuation
        {"\xc0\x80", 0xFFFD, 1, false},          // overlong NUL
        {"\xe0\x80\x80", 0xFFFD, 1, false},      // overlong
        {"\xed\xa0\x80", 0xFFFD, 1, false},      // surrogate
        {"\xf4\x90\x80\x80", 0xFFFD, 1, false},  // above U+10FFFF
        {"\xf5\x80", 0xFFFD, 1, false},
        {"\xe2\x82", 0xFFFD, 2, false},  // cut: one replacement for both bytes
        {"\xf0\x9f\x98", 0xFFFD, 3, false},
        {"\xe2\x82z", 0xFFFD, 2, false},
    };
    for (const Case& c : cases) {
        const DecodedChar decoded = decode_utf8(c.bytes, 0);
        EXPECT_EQ(decoded.code_point, c.code_point) << c.bytes;
        EXPECT_EQ(decoded.length, c.length) << c.bytes;
        EXPECT_EQ(decoded.valid, c.valid) << c.bytes;
    }
}

TEST(Utf8, EncodeRoundTripsAndReplacesNonCharacters) {
    for (const char32_t c : {U'a', U'\u00e9', U'\u20ac', U'\U0001F600', U'\U0010FFFF'}) {
        const std::string bytes = to_utf8(c);
        EXPECT_EQ(bytes.size(), utf8_length(c));
        const DecodedChar decoded = decode_utf8(bytes, 0);
        EXPECT_TRUE(decoded.valid);
        EXPECT_EQ(decoded.code_point, c);
    }
    EXPECT_EQ(to_utf8(0xD800), "\uFFFD");
    EXPECT_EQ(to_utf8(0x110000), "\uFFFD");
    EXPECT_EQ(utf8_length(0x110000), 3u);
}

TEST(Utf8, WholeTextHelpers) {
    struct Case {
        std::string bytes;
        bool valid;
        std::size_t chars;
        std::string lossy;
    };
    const std::vector<Case> cases = {
        {"", true, 0, ""},
        {"12 \u00b5s", true, 5, "12 \u00b5s"},  // 6 bytes, 5 characters
        {"\u4e2d\u6587", true, 2, "\u4e2d\u6587"},
        {"a\xffz", false, 3, "a\uFFFDz"},
        {"\xe2\x82z", false, 2, "\uFFFDz"},
        {"\xed\xa0\x80", false, 3, "\uFFFD\uFFFD\uFFFD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(is_valid_utf8(c.bytes), c.valid) << c.bytes;
        EXPECT_EQ(count_chars(c.bytes), c.chars) << c.bytes;
        EXPECT_EQ(utf8_lossy(c.bytes), c.lossy) << c.bytes;
    }
}

}  // namespace
