#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "line.hpp"

namespace kerfa_render_kerfa_indented::line_writer {

// Where a note starts: what precedes it is padded to this many characters, with at least two
// blanks.
inline constexpr std::size_t NOTE_COLUMN = 44;
inline constexpr std::size_t MIN_NOTE_GAP = 2;

// Indentation is written for at most this many levels, so deep nesting cannot make the output
// grow with the square of the depth; the depth itself is still counted.
inline constexpr std::size_t MAX_WRITTEN_DEPTH = 256;

// Collects the lines of the view. Content is appended to a current line, which keeps the depth
// it was started at; elements take whole lines of their own.
class LineWriter {
  public:
    // Finishes the current line, then adds a whole line at the present depth; gives its
    // 1-based number.
    std::size_t line(std::string text, std::optional<std::string> note = std::nullopt);

    // Finishes the current line, then adds an empty line at depth 0, unless nothing was written
    // yet.
    void blank();

    // Adds to the current line, starting one at the present depth when there is none.
    void append(std::string_view text);

    // Moves the current line, if any, to the finished lines.
    void finish();

    bool has_current() const { return current_.has_value(); }

    // One level deeper, or back (never below 0).
    void deeper() { ++depth_; }
    void shallower() {
        if (depth_ > 0) {
            --depth_;
        }
    }
    std::size_t depth() const { return depth_; }

    // Every line: its indentation and text, then, with a note, blanks up to NOTE_COLUMN
    // characters (at least two), "← " and the note; a line feed after each.
    std::string to_output();

  private:
    std::vector<line::Line> lines_;
    std::optional<line::Line> current_;
    std::size_t depth_ = 0;
};

}  // namespace kerfa_render_kerfa_indented::line_writer
