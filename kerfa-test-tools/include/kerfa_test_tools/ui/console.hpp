#pragma once

#include <cstddef>
#include <string>

#include "kerfa_content/types/count.hpp"

// Count trees as console tables: names padded to 24 characters (indent included), two blanks,
// counts grouped with commas and right-aligned in 8 characters.
namespace kerfa_test_tools::ui {

// The root's line; when it has children, an empty line and one line per direct child indented by
// four blanks; then an empty line.
void append_count_summary(std::string& out, const kerfa_content::types::Count& count);
void print_count_summary(const kerfa_content::types::Count& count);

// The whole tree from depth 0, then an empty line.
void append_count(std::string& out, const kerfa_content::types::Count& count);
void print_count(const kerfa_content::types::Count& count);

// The counter's line indented by four blanks per level of depth; when it has children, an empty
// line, each child one level deeper (by name, depth first) and another empty line.
void append_item_count(std::string& out, const kerfa_content::types::Count& count,
                       std::size_t depth);
void print_item_count(const kerfa_content::types::Count& count, std::size_t depth);

}  // namespace kerfa_test_tools::ui
