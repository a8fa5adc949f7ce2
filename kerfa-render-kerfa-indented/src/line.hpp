#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kerfa_render_kerfa_indented::line {

// One line of the view: its text without indentation, an optional note for its right, and its
// depth (four blanks each).
struct Line {
    std::string line_text;
    std::optional<std::string> note;
    std::size_t depth = 0;
};

}  // namespace kerfa_render_kerfa_indented::line
