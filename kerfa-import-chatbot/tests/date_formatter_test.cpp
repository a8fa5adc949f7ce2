#include "utils/date_formatter.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using import_chatbot::utils::CivilDate;
using import_chatbot::utils::day_text;
using import_chatbot::utils::days_to_date;
using import_chatbot::utils::timestamp_text;

constexpr std::int64_t kMaxI64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinI64 = std::numeric_limits<std::int64_t>::min();

TEST(DaysToDate, CountsGregorianDaysFrom1970) {
    const std::vector<std::pair<std::int64_t, CivilDate>> cases = {
        {0, {1970, 1, 1}},
        {59, {1970, 3, 1}},
        {365, {1971, 1, 1}},
        {789, {1972, 2, 29}},
        {10957, {2000, 1, 1}},
        {11016, {2000, 2, 29}},  // divisible by 400: a leap year
        {47541, {2100, 3, 1}},   // 2100 is not
        {2932896, {9999, 12, 31}},
        {2932897, {10000, 1, 1}},
        {-1, {1969, 12, 31}},
        {-719468, {0, 3, 1}},
        // The largest and smallest day counts that 64-bit seconds give.
        {kMaxI64 / 86400, {292277026596, 12, 4}},
        {kMinI64 / 86400 - 1, {-292277022657, 1, 27}},
    };
    for (const auto& [days, date] : cases) {
        EXPECT_EQ(days_to_date(days), date) << days;
    }
    // Any 64-bit count gives a valid date without overflow.
    for (const std::int64_t days : {kMaxI64, kMinI64, kMaxI64 - 719468, kMinI64 + 1}) {
        const CivilDate date = days_to_date(days);
        EXPECT_GE(date.month, 1);
        EXPECT_LE(date.month, 12);
        EXPECT_GE(date.day, 1);
        EXPECT_LE(date.day, 31);
    }
}

TEST(TimestampText, WritesUtcTimeWithMicroseconds) {
    const std::string saturated = "292277026596-12-04T15:30:07.18446744073709551615Z";
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "1970-01-01T00:00:00.000000Z"},
        {-0.0, "1970-01-01T00:00:00.000000Z"},
        {86399.999999, "1970-01-01T23:59:59.999999Z"},
        {1.7e9 + 0.25, "2023-11-14T22:13:20.250000Z"},
        {1.7e9 + 0.5, "2023-11-14T22:13:20.500000Z"},
        {static_cast<double>(std::int64_t{1'700'000'000}), "2023-11-14T22:13:20.000000Z"},
        {253402300800.0, "10000-01-01T00:00:00.000000Z"},
        {1e300, saturated},
        {18446744073709551615.0, saturated},
        {std::numeric_limits<double>::infinity(), saturated},
        {std::nan(""), "1970-01-01T00:00:00.000000Z"},
        // Before 1970: the true time, floored to the second below.
        {-1.0, "1969-12-31T23:59:59.000000Z"},
        {-1.5, "1969-12-31T23:59:58.500000Z"},
        {-86400.0, "1969-12-31T00:00:00.000000Z"},
        {-1e300, "-292277022657-01-27T08:29:52.000000Z"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(timestamp_text(seconds), text) << seconds;
    }
}

TEST(DayText, WritesTheUtcDay) {
    EXPECT_EQ(day_text(0), "1970-01-01");
    EXPECT_EQ(day_text(1714953600 + 86399), "2024-05-06");
    EXPECT_EQ(day_text(1714953600 + 86400), "2024-05-07");
    EXPECT_EQ(day_text(253402300800), "10000-01-01");
}

}  // namespace
