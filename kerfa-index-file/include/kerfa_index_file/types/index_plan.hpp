#pragma once

#include <string>

namespace kerfa_index_file::types {

// An index document ready to be written: its file name (stem and extension) and whole text.
struct IndexPlan {
    std::string file_name;
    std::string content;

    bool operator==(const IndexPlan&) const = default;
};

}  // namespace kerfa_index_file::types
