#pragma once

#include <cstdint>
#include <string>

namespace import_chatbot::utils {

struct CivilDate {
    std::int64_t year;
    std::int64_t month;  // 1 to 12
    std::int64_t day;    // 1 to 31

    bool operator==(const CivilDate&) const = default;
};

// The proleptic Gregorian date of a day count from 1970-01-01 (day 0); also before it. Constant
// time, and exact for every 64-bit count.
CivilDate days_to_date(std::int64_t days);

// "YYYY-MM-DDTHH:MM:SS.ffffffZ" (minimum widths: a larger year or fraction writes more digits)
// for a count of seconds since 1970-01-01 in UTC. The whole seconds saturate to 64 bits (not a
// number gives 0) and are floored, so a time before 1970 reads as its true date and time; the
// fraction is truncated to microseconds and saturates likewise.
std::string timestamp_text(double seconds);

// "YYYY-MM-DD", the UTC day of a count of whole seconds since 1970-01-01.
std::string day_text(std::int64_t seconds);

}  // namespace import_chatbot::utils
