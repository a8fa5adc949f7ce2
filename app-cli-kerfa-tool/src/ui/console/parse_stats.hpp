#pragma once

#include <string_view>

#include "kerfa_content/types/count.hpp"
#include "shared/components/timer.hpp"

namespace kerfa_tool::ui::console {

// The statistics report on standard output: the file name as a heading, the read and parse
// times, then the element counts as a summary and as a whole tree.
void show_parse_stats(std::string_view file_name, const kerfa_content::types::Count& counts,
                      const shared::components::Timer& read_timer,
                      const shared::components::Timer& parse_timer);

}  // namespace kerfa_tool::ui::console
