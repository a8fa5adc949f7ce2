#pragma once

#include <string>
#include <string_view>

#include "shared/types/app_info.hpp"

namespace kerfa_tool::ui::console {

// One row of the help table: the command padded to 16 characters, a bar, the alias padded to 5,
// then the description. Longer texts are not cut.
std::string help_line(std::string_view command, std::string_view alias,
                      std::string_view description);
void print_help_line(std::string_view command, std::string_view alias,
                     std::string_view description);

// The usage lines and the table of commands; only the name of the info is used.
void show_help(const shared::types::AppInfo& info);

}  // namespace kerfa_tool::ui::console
