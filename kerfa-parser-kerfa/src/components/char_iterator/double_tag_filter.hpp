#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/double_tag_reader.hpp"
#include "components/char_iterator/shared_position.hpp"
#include "components/char_iterator/shared_spans.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"

namespace kerfa_parser_kerfa::components::char_iterator {

// The three double-tag filters share how they read; they differ in what a tag does. A backslash
// and the character after it pass through together (so an escaped "<" never starts a tag), and
// at most one character is held back outside a tag or a removed region.
template <CharSource Inner, DoubleTagMode Mode>
requires(Mode != DoubleTagMode::Off) class DoubleTagFilter {
  public:
    DoubleTagFilter(Inner inner, SharedPosition position, SharedSpans spans = {})
        : inner_(std::move(inner)), position_(std::move(position)), spans_(std::move(spans)) {}

    [[gnu::always_inline]] char32_t next() {
        if (pending_ != kNothing) {
            const char32_t held = pending_;
            pending_ = kNothing;
            if (held != kEscape) {
                return held;
            }
            const char32_t escaped = inner_.next();
            if (escaped != kEndOfInput) {
                pending_ = escaped;
            }
            return U'\\';
        }
        for (;;) {
            if constexpr (Mode != DoubleTagMode::Strip) {
                if (in_region_) {
                    if (!skip_in_region()) {
                        return finish();
                    }
                    continue;
                }
            }
            const char32_t c = inner_.next();
            if (c == kEndOfInput) {
                return finish();
            }
            if (c == U'\\') {
                const char32_t escaped = inner_.next();
                if (escaped != kEndOfInput) {
                    pending_ = escaped;
                }
                return c;
            }
            if (c != U'<') {
                return c;
            }
            const PositionCounters& counters = position_.counters();
            const std::size_t tag_start = counters.offset - 1;
            const std::size_t tag_line = counters.line;
            const char32_t after = inner_.next();
            if (after == kEndOfInput) {
                return c;
            }
            if (after == U'\\') {
                pending_ = kEscape;
                return c;
            }
            if (after != U'<') {
                pending_ = after;
                return c;
            }
            const DoubleTagKind tag = read_double_tag(inner_);
            if (tag == DoubleTagKind::Abandoned) {
                position_.counters().abandoned_tag_line = tag_line;
                return finish();
            }
            act(tag, tag_start);
        }
    }

    // A run of plain bytes: none while a character is held or a region is being removed.
    std::string_view take_run() requires RunSource<Inner> {
        if (!may_run()) {
            return {};
        }
        return inner_.take_run();
    }

    std::string_view take_run(const RunStops& stops) requires RunSource<Inner> {
        if (!may_run()) {
            return {};
        }
        return inner_.take_run(stops);
    }

  private:
    // Nothing held and the escape marker lie outside Unicode, as does kEndOfInput.
    static constexpr char32_t kNothing = 0xFFFFFFFE;
    static constexpr char32_t kEscape = 0xFFFFFFFD;

    bool may_run() const {
        if constexpr (Mode != DoubleTagMode::Strip) {
            if (in_region_) {
                return false;
            }
        }
        return pending_ == kNothing;
    }

    // Reads one step inside a removed region, delivering nothing; false at the end of input. The
    // plain bytes before the step go at once.
    bool skip_in_region() {
        if constexpr (RunSource<Inner>) {
            inner_.take_run();
        }
        const char32_t c = inner_.next();
        if (c == kEndOfInput) {
            return false;
        }
        if (c == U'\\') {
            inner_.next();
            return true;
        }
        if (c != U'<') {
            return true;
        }
        const std::size_t tag_start = position_.counters().offset - 1;
        const char32_t after = inner_.next();
        if (after == kEndOfInput) {
            return false;
        }
        // "<" and the character after it go together; after "<\" the backslash escapes nothing
        // here, so the next character is read as usual (it may still begin a tag).
        if (after != U'<') {
            return true;
        }
        // A tag cut off here loses nothing that the open region would not remove anyway.
        const DoubleTagKind tag = read_double_tag(inner_);
        if (tag == DoubleTagKind::Abandoned) {
            return false;
        }
        act(tag, tag_start);
        return true;
    }

    void act(DoubleTagKind tag, std::size_t tag_start) {
        if constexpr (Mode == DoubleTagMode::RemoveAll) {
            if (tag != DoubleTagKind::Closing) {
                ++depth_;
                in_region_ = true;
            } else if (in_region_) {
                close_one();
            }
        } else if constexpr (Mode == DoubleTagMode::RemovePrivate) {
            if (tag == DoubleTagKind::Private) {
                if (!in_region_) {
                    span_start_ = tag_start;
                }
                in_region_ = true;
                ++depth_;
            } else if (tag == DoubleTagKind::Opening) {
                if (in_region_) {
                    ++depth_;
                }
            } else if (in_region_) {
                close_one();
            }
        } else {
            (void)tag;
            (void)tag_start;
        }
    }

    void close_one() {
        if (--depth_ != 0) {
            return;
        }
        in_region_ = false;
        pending_ = kNothing;
        record_open_span();
    }

    void record_open_span() {
        if constexpr (Mode == DoubleTagMode::RemovePrivate) {
            if (span_start_) {
                spans_.record(*span_start_, position_.counters().offset);
                span_start_.reset();
            }
        }
    }

    char32_t finish() {
        record_open_span();
        pending_ = kNothing;
        return kEndOfInput;
    }

    Inner inner_;
    SharedPosition position_;
    SharedSpans spans_;
    std::optional<std::size_t> span_start_;
    std::size_t depth_ = 0;
    char32_t pending_ = kNothing;
    bool in_region_ = false;
};

template <CharSource Inner>
using StripDoubleTagFilter = DoubleTagFilter<Inner, DoubleTagMode::Strip>;
template <CharSource Inner>
using RemoveAllDoubleTagFilter = DoubleTagFilter<Inner, DoubleTagMode::RemoveAll>;
template <CharSource Inner>
using RemovePrivateDoubleTagFilter = DoubleTagFilter<Inner, DoubleTagMode::RemovePrivate>;

}  // namespace kerfa_parser_kerfa::components::char_iterator
