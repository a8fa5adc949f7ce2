#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace shared::utils {

// A "," before every group of three characters counted from the right ("1234" -> "1,234").
std::string comma_separated_str(std::string_view digits);

// Decimal digits grouped in threes; a leading "-" is never followed by ",".
std::string comma_separated_i32(std::int32_t value);

}  // namespace shared::utils
