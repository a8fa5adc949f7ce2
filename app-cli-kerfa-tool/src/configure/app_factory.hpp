#pragma once

#include "shared/types/app_info.hpp"

namespace kerfa_tool::configure {

// The fixed identity of this build of the tool.
shared::types::AppInfo app_info();

}  // namespace kerfa_tool::configure
