#include "utils/date_formatter.hpp"

#include <fmt/format.h>

#include <cmath>
#include <limits>

namespace import_chatbot::utils {
namespace {

constexpr std::int64_t SECONDS_PER_DAY = 86'400;
constexpr std::int64_t DAYS_PER_ERA = 146'097;  // 400 Gregorian years
// Days from 0000-03-01 to 1970-01-01: eras start in March, so a leap day ends its year.
constexpr std::int64_t EPOCH_SHIFT = 719'468;

struct FloorDivision {
    std::int64_t quotient;
    std::int64_t remainder;  // 0 <= remainder < divisor
};

FloorDivision floor_divide(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    std::int64_t remainder = value % divisor;
    if (remainder < 0) {
        remainder += divisor;
        --quotient;
    }
    return {quotient, remainder};
}

std::int64_t saturating_floor_to_i64(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double floored = std::floor(value);
    if (floored >= 9223372036854775808.0) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (floored <= -9223372036854775808.0) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(floored);
}

std::uint64_t saturating_to_u64(double value) {
    if (std::isnan(value) || value <= 0.0) {
        return 0;
    }
    if (value >= 18446744073709551616.0) {
        return std::numeric_limits<std::uint64_t>::max();
    }
    return static_cast<std::uint64_t>(value);
}

}  // namespace

CivilDate days_to_date(std::int64_t days) {
    // Shifting by EPOCH_SHIFT after the era split keeps every step inside 64 bits.
    const FloorDivision split = floor_divide(days, DAYS_PER_ERA);
    const std::int64_t shifted = split.remainder + EPOCH_SHIFT;
    const std::int64_t era = split.quotient + shifted / DAYS_PER_ERA;
    const std::int64_t day_of_era = shifted % DAYS_PER_ERA;
    const std::int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t month_from_march = (5 * day_of_year + 2) / 153;
    const std::int64_t day = day_of_year - (153 * month_from_march + 2) / 5 + 1;
    const std::int64_t month = month_from_march < 10 ? month_from_march + 3 : month_from_march - 9;
    const std::int64_t year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

std::string timestamp_text(double seconds) {
    const std::int64_t whole = saturating_floor_to_i64(seconds);
    const std::uint64_t micro =
        saturating_to_u64((seconds - static_cast<double>(whole)) * 1'000'000.0);
    const FloorDivision split = floor_divide(whole, SECONDS_PER_DAY);
    const CivilDate date = days_to_date(split.quotient);
    const std::int64_t second_of_day = split.remainder;
    return fmt::format("{:04}-{:02}-{:02}T{:02}:{:02}:{:02}.{:06}Z", date.year, date.month,
                       date.day, second_of_day / 3600, second_of_day / 60 % 60, second_of_day % 60,
                       micro);
}

std::string day_text(std::int64_t seconds) {
    const CivilDate date = days_to_date(floor_divide(seconds, SECONDS_PER_DAY).quotient);
    return fmt::format("{:04}-{:02}-{:02}", date.year, date.month, date.day);
}

}  // namespace import_chatbot::utils
