#include "configure/app_factory.hpp"

namespace kerfa_tool::configure {

shared::types::AppInfo app_info() {
    return shared::types::AppInfo{
        .name = "kerfa-tool",
        .version = "1.0.0-89",
        .created = "2023-10-19",
        .updated = "2026-08-09",
        .build = "89",
    };
}

}  // namespace kerfa_tool::configure
