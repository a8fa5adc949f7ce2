#include "ui/console/parse_stats.hpp"

#include <string>

#include "kerfa_test_tools/ui/console.hpp"
#include "shared/utils/console.hpp"
#include "shared/utils/stdout.hpp"
#include "shared/utils/utf8.hpp"

namespace kerfa_tool::ui::console {

namespace {

constexpr std::size_t kTimeColumns = 16;

void append_time_line(std::string& out, std::string_view label,
                      const shared::components::Timer& timer) {
    const std::string time = timer.duration_formatted();
    out.append(label);
    const std::size_t width = shared::utils::count_chars(time);
    if (width < kTimeColumns) {
        out.append(kTimeColumns - width, ' ');
    }
    out.append(time);
    out.push_back('\n');
}

}  // namespace

void show_parse_stats(std::string_view file_name, const kerfa_content::types::Count& counts,
                      const shared::components::Timer& read_timer,
                      const shared::components::Timer& parse_timer) {
    shared::utils::console::nl();
    shared::utils::console::short_heading(file_name);

    std::string out;
    append_time_line(out, "Read Time         ", read_timer);
    append_time_line(out, "Parse Time        ", parse_timer);
    out.push_back('\n');
    kerfa_test_tools::ui::append_count_summary(out, counts);
    kerfa_test_tools::ui::append_count(out, counts);
    out.push_back('\n');
    shared::utils::write_stdout(out);
}

}  // namespace kerfa_tool::ui::console
