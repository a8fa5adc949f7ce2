#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "shared/utils/numbers.hpp"

namespace {

using namespace shared::utils;

TEST(Numbers, CommaSeparatedI32) {
    struct Case {
        std::int32_t value;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1,000"},
        {12345, "12,345"},
        {123456, "123,456"},
        {1200000, "1,200,000"},
        {-1, "-1"},
        {-999, "-999"},
        {-1000, "-1,000"},
        {-100000, "-100,000"},
        {std::numeric_limits<std::int32_t>::max(), "2,147,483,647"},
        {std::numeric_limits<std::int32_t>::min(), "-2,147,483,648"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(comma_separated_i32(c.value), c.expected) << c.value;
    }
}

TEST(Numbers, CommaSeparatedStrCountsCharacters) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"1", "1"},
        {"123", "123"},
        {"1234", "1,234"},
        {"1234567", "1,234,567"},
        {"abcdef", "abc,def"},
        {"\u00e9\u00e9\u00e9\u00e9", "\u00e9,\u00e9\u00e9\u00e9"},  // 8 bytes, 4 characters
        {"\u00e9\u00e9\u00e9", "\u00e9\u00e9\u00e9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(comma_separated_str(c.text), c.expected) << c.text;
    }
}

}  // namespace
