#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kerfa_tool::ui {

// The text followed by blanks up to `columns` characters (code points, not bytes or display
// columns); a longer text is kept whole.
std::string pad_right(std::string_view text, std::size_t columns);

}  // namespace kerfa_tool::ui
