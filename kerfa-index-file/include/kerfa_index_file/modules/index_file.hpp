#pragma once

#include <string_view>
#include <vector>

#include "kerfa_index_file/types/index_plan.hpp"

namespace kerfa_index_file::modules {

// The index document of the named files, in byte order of their names: Markdown when the
// extension is ".md" or ".markdown", Kerfa otherwise. The file name is the stem followed by the
// extension.
types::IndexPlan generate_index_file(std::vector<std::string_view> file_names,
                                     std::string_view extension, std::string_view stem);

}  // namespace kerfa_index_file::modules
