#pragma once

#include <cstddef>
#include <memory>
#include <optional>

namespace kerfa_parser_kerfa::components::char_iterator {

// The counters that the position tracker at the bottom of a character chain keeps for the whole
// parse. The layers above it read ahead, so these may be past the character last delivered.
struct PositionCounters {
    std::size_t offset = 0;      // UTF-8 bytes read so far
    std::size_t line = 1;        // current line, from 1
    std::size_t line_start = 0;  // byte offset of the current line's first character
    // Line of the first "<" of a double tag that the end of the input cut off outside any removed
    // region (so everything after it was lost); set by the double-tag filters.
    std::optional<std::size_t> abandoned_tag_line;
};

// A handle on one parse's counters; copies share the same cell.
class SharedPosition {
  public:
    SharedPosition() : cell_(std::make_shared<PositionCounters>()) {}

    std::size_t offset() const { return cell_->offset; }
    std::size_t line() const { return cell_->line; }
    std::size_t line_start() const { return cell_->line_start; }
    std::optional<std::size_t> abandoned_tag_line() const { return cell_->abandoned_tag_line; }

    PositionCounters& counters() const { return *cell_; }

  private:
    std::shared_ptr<PositionCounters> cell_;
};

}  // namespace kerfa_parser_kerfa::components::char_iterator
