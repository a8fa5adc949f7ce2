// The byte scanners behind every line and bracket search: sixteen bytes at a time must find
// what a byte-by-byte search finds, at every position and near every chunk boundary.

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "events/lines.hpp"

namespace kerfa_parser_markdown::testing {
namespace {

namespace lines = events::lines;

std::size_t first_line_end(const std::string& text, std::size_t p) {
    while (p < text.size() && text[p] != '\n' && text[p] != '\r') {
        ++p;
    }
    return p;
}

std::size_t after_last_line_end(const std::string& text, std::size_t p) {
    while (p > 0 && text[p - 1] != '\n' && text[p - 1] != '\r') {
        --p;
    }
    return p;
}

TEST(Lines, ScannersAgreeWithBytewiseSearch) {
    std::mt19937 random(42);
    const std::string alphabet = "ab \t\n\r[]>-\x80\xFF";
    for (std::size_t length = 0; length < 70; ++length) {
        for (int round = 0; round < 20; ++round) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i) {
                // Mostly plain bytes, so that matches fall anywhere in a chunk or in none.
                text += random() % 8 == 0 ? alphabet[random() % alphabet.size()] : 'x';
            }
            for (std::size_t p = 0; p <= length; ++p) {
                ASSERT_EQ(lines::line_end(text, p), first_line_end(text, p)) << p;
                ASSERT_EQ(lines::line_start(text, p), after_last_line_end(text, p)) << p;
                std::size_t bracket = p;
                while (bracket < length && text[bracket] != '[' && text[bracket] != ']') {
                    ++bracket;
                }
                ASSERT_EQ((lines::find_byte<'[', ']'>(text, p)), bracket) << p;
            }
        }
    }
    // Past the end the position itself comes back.
    EXPECT_EQ(lines::line_end("ab", 5), 5u);
}

}  // namespace
}  // namespace kerfa_parser_markdown::testing
