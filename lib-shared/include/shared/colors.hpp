#pragma once

#include <string_view>

// Fixed terminal sequences, written whatever the terminal and the environment say.
namespace shared::colors {

inline constexpr std::string_view INFO = "\x1b[92m";
inline constexpr std::string_view LIGHT_GREEN = "\x1b[92m";
inline constexpr std::string_view LIGHT_YELLOW = "\x1b[93m";
inline constexpr std::string_view ERROR = "\x1b[1m\x1b[91m";
inline constexpr std::string_view RESET_COLOR = "\x1b[0m";

}  // namespace shared::colors
