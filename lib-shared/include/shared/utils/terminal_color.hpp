#pragma once

#include <optional>
#include <string>
#include <string_view>

// Colour that follows the terminal and the environment (error lines of a failed command, values
// of the application information, the help text), unlike the fixed sequences of shared::colors.
namespace shared::utils::console {

// CLICOLOR_FORCE set and not "0" forces colour; else NO_COLOR set (to anything) suppresses it;
// else colour when CLICOLOR is unset or not "0" and standard output is a terminal. An unset
// variable is none.
bool decide_colors(std::optional<std::string_view> clicolor_force,
                   std::optional<std::string_view> no_color,
                   std::optional<std::string_view> clicolor, bool stdout_is_terminal);

// decide_colors for this process, read from the environment once.
bool colors_enabled();

enum class BrightColor { Black, Red, Green, Yellow, Magenta };

// The text in the colour ("\x1b[9Xm" text "\x1b[0m") when enabled, plain otherwise. A reset
// sequence inside the text is followed by the colour again, so the colour runs to the end.
std::string paint(std::string_view text, BrightColor color, bool enabled);

// paint with colors_enabled().
std::string paint(std::string_view text, BrightColor color);

}  // namespace shared::utils::console
