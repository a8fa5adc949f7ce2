#include "kerfa_source_map/elide/elide_private.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kerfa_source_map::elide::elide_private;
using kerfa_source_map::types::ByteSpan;

constexpr std::string_view kText = "0123456789abcdefghij";  // 20 bytes

struct Case {
    const char* what;
    std::size_t start;
    std::size_t end;
    std::vector<ByteSpan> spans;
    std::string kept;
    std::size_t count;
};

TEST(ElidePrivate, CutsSpansOverlappingTheRange) {
    const std::vector<Case> cases = {
        {"no spans", 0, 20, {}, "0123456789abcdefghij", 0},
        {"span inside",
         0,
         20,
         {{5, 8}},
         "01234"
         "89abcdefghij",
         1},
        {"two spans",
         0,
         20,
         {{1, 3}, {10, 12}},
         "0"
         "3456789"
         "cdefghij",
         2},
        {"span crossing the range start", 5, 15, {{3, 7}}, "789abcde", 1},
        {"span crossing the range end", 5, 15, {{12, 18}}, "56789ab", 1},
        {"span covering the range", 5, 15, {{0, 20}}, "", 1},
        {"span equal to the range", 5, 15, {{5, 15}}, "", 1},
        {"span ending where the range starts", 5, 15, {{2, 5}}, "56789abcde", 0},
        {"span starting where the range ends", 5, 15, {{15, 18}}, "56789abcde", 0},
        {"spans outside on both sides", 5, 15, {{0, 3}, {16, 19}}, "56789abcde", 0},
        {"spans touching each other",
         5,
         15,
         {{6, 8}, {8, 10}},
         "5"
         "abcde",
         2},
        {"empty range inside a span", 7, 7, {{5, 10}}, "", 1},
        {"empty range beside a span", 10, 10, {{5, 10}}, "", 0},
        {"span at the text's end", 0, 20, {{17, 20}}, "0123456789abcdefg", 1},
    };
    for (const Case& c : cases) {
        const auto result = elide_private(kText, c.start, c.end, c.spans);
        EXPECT_EQ(result.text, c.kept) << c.what;
        EXPECT_EQ(result.count, c.count) << c.what;
    }
}

// Offsets a sound parse never gives: nothing is read outside the text or the range, nothing is
// written twice and the kept bytes stay in order.
TEST(ElidePrivate, ClampsUnsoundOffsets) {
    const std::vector<Case> cases = {
        {"range past the text", 15, 100, {}, "fghij", 0},
        {"range start past the text", 30, 40, {{0, 10}}, "", 0},
        {"range running backwards", 10, 5, {{6, 8}}, "", 0},
        {"span past the text", 0, 20, {{18, 100}}, "0123456789abcdefgh", 1},
        {"overlapping spans",
         5,
         15,
         {{6, 10}, {8, 12}},
         "5"
         "cde",
         2},
        {"spans out of order",
         5,
         15,
         {{10, 12}, {6, 8}},
         "56789"
         "cde",
         2},
        {"span running backwards", 0, 10, {{8, 3}}, "0123456789", 1},
        {"span nested in an earlier one",
         0,
         20,
         {{2, 12}, {4, 6}},
         "01"
         "cdefghij",
         2},
    };
    for (const Case& c : cases) {
        const auto result = elide_private(kText, c.start, c.end, c.spans);
        EXPECT_EQ(result.text, c.kept) << c.what;
        EXPECT_EQ(result.count, c.count) << c.what;
    }
}

}  // namespace
