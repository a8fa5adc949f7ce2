#include "ui/console/app_info.hpp"

#include <string>
#include <string_view>

#include "shared/utils/console.hpp"
#include "shared/utils/stdout.hpp"
#include "shared/utils/terminal_color.hpp"

namespace kerfa_tool::ui::console {
namespace {

void append_row(std::string& out, std::string_view label, std::string_view value) {
    using shared::utils::console::BrightColor;
    out.append(label).append(shared::utils::console::paint(value, BrightColor::Yellow));
    out.push_back('\n');
}

}  // namespace

void show_app_info(const shared::types::AppInfo& info) {
    shared::utils::console::nl();
    shared::utils::console::short_heading(info.name);
    std::string out;
    append_row(out, "  Application   ", info.name);
    append_row(out, "  Version       ", info.version);
    append_row(out, "  Created       ", info.created);
    append_row(out, "  Updated       ", info.updated);
    append_row(out, "  Build Number  ", info.build);
    out.push_back('\n');
    shared::utils::write_stdout(out);
}

}  // namespace kerfa_tool::ui::console
