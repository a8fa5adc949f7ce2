#pragma once

#include <string_view>
#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/shared_position.hpp"
#include "components/char_iterator/utf8.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

// Bottom layer of the chain: counts the bytes and lines of every character it passes up. A line
// feed right after a carriage return belongs to the same line end, and the line number moves
// only when the next line's first character is read. A byte-order mark that begins the input
// (some editors write one) is no text: it is counted and not passed up, so offsets still cover
// its bytes.
template <CharSource Inner>
class PositionTracker {
  public:
    PositionTracker(Inner inner, SharedPosition position)
        : inner_(std::move(inner)), position_(std::move(position)) {}

    [[gnu::always_inline]] char32_t next() {
        char32_t c = inner_.next();
        if (at_start_) [[unlikely]] {
            at_start_ = false;
            if (c == kByteOrderMark) {
                position_.counters().offset += consumed_length(c);
                c = inner_.next();
            }
        }
        if (c == kEndOfInput) {
            return c;
        }
        PositionCounters& counters = position_.counters();
        if (line_ended_) {
            if (c == U'\n' && after_cr_) {
                counters.offset += consumed_length(c);
                after_cr_ = false;
                return c;
            }
            counters.line += 1;
            counters.line_start = counters.offset;
            line_ended_ = false;
        }
        counters.offset += consumed_length(c);
        if (c == U'\r') {
            line_ended_ = true;
            after_cr_ = true;
        } else if (c == U'\n') {
            line_ended_ = true;
            after_cr_ = false;
        } else {
            after_cr_ = false;
        }
        return c;
    }

    // A run of plain bytes, which holds no line end; none right after a line end or at the start,
    // where next() has lines or a byte-order mark to count.
    std::string_view take_run() requires RunSource<Inner> {
        if (at_start_ || line_ended_) {
            return {};
        }
        const std::string_view run = inner_.take_run();
        position_.counters().offset += run.size();
        return run;
    }

    std::string_view take_run(const RunStops& stops) requires RunSource<Inner> {
        if (at_start_ || line_ended_) {
            return {};
        }
        const std::string_view run = inner_.take_run(stops);
        position_.counters().offset += run.size();
        return run;
    }

    const SharedPosition& position() const { return position_; }

  private:
    // Offsets count the input's own bytes, so they stay inside it even where invalid bytes
    // were decoded as U+FFFD.
    [[gnu::always_inline]] std::size_t consumed_length(char32_t c) const {
        if constexpr (ByteCountingSource<Inner>) {
            return inner_.last_length();
        } else {
            return utf8_length(c);
        }
    }

    static constexpr char32_t kByteOrderMark = U'\uFEFF';

    Inner inner_;
    SharedPosition position_;
    bool at_start_ = true;
    bool line_ended_ = false;
    bool after_cr_ = false;
};

}  // namespace kerfa_parser_kerfa::components::char_iterator
