#pragma once

#include <string_view>

#include "kerfa_content/modules/parser/types/parse_data.hpp"

namespace kerfa_tool::ui::console {

// The test report on standard output: the file name as a heading, then "Valid Document 👍" or
// the "Errors Found:" label and the parse's messages, made safe for the terminal.
void show_test_results(std::string_view file_name,
                       const kerfa_content::modules::parser::types::ParseData& parse);

}  // namespace kerfa_tool::ui::console
