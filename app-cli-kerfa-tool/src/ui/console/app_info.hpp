#pragma once

#include "shared/types/app_info.hpp"

namespace kerfa_tool::ui::console {

// The application information block: a heading with the name, then one row per field.
void show_app_info(const shared::types::AppInfo& info);

}  // namespace kerfa_tool::ui::console
