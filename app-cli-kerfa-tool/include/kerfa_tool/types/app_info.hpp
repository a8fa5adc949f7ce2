#pragma once

#include <string>

namespace kerfa_tool::types {

struct AppInfo {
    std::string name;
    std::string version;
    std::string created;
    std::string updated;
    std::string build;
};

}  // namespace kerfa_tool::types
