#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kerfa_source_map::address {

// What a top-level section can be selected by: its heading title and its outline id.
struct SectionHandle {
    std::optional<std::string> title;
    std::size_t id = 0;
};

}  // namespace kerfa_source_map::address
