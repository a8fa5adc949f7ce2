#pragma once

#include <string>

namespace shared::types {

// The identity of a program, as its information block and help text show it.
struct AppInfo {
    std::string name;
    std::string version;
    std::string created;
    std::string updated;
    std::string build;
};

}  // namespace shared::types
