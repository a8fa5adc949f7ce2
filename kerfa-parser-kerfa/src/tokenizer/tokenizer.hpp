#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/shared_position.hpp"
#include "tokenizer/state/state.hpp"
#include "tokenizer/state/step.hpp"
#include "tokenizer/types/located_token.hpp"

namespace kerfa_parser_kerfa::tokenizer {

// Cuts the filtered character stream into tokens, one per call, with at most one character held
// back between calls. Chars is the top of the character chain (see visit_char_chain); position
// is the handle on the counters that the chain shares.
template <components::char_iterator::CharSource Chars>
class Tokenizer {
  public:
    Tokenizer(Chars chars, components::char_iterator::SharedPosition position)
        : chars_(std::move(chars)), position_(std::move(position)) {}

    // The next token with the line snapshot taken when its first character was drawn; none when
    // the input is exhausted with nothing held back, or the None state was reached (the character
    // drawn then is discarded).
    std::optional<types::LocatedToken> next_token() {
        char32_t c = pending_;
        if (c == components::char_iterator::kEndOfInput) {
            c = chars_.next();
            if (c == components::char_iterator::kEndOfInput) {
                return std::nullopt;
            }
        } else {
            pending_ = components::char_iterator::kEndOfInput;
        }
        line_ = position_.line();
        line_start_ = position_.line_start();
        if (state_ == state::State::None) {
            return std::nullopt;
        }
        state::Step step = state::next(state_, c, chars_);
        if (step.next == state::State::RawElement && step.token.is<types::Token::Element>()) {
            raw_element_line_ = line_;
        }
        state_ = step.next;
        pending_ = step.pending;
        return std::optional<types::LocatedToken>(std::in_place, std::move(step.token), line_,
                                                  line_start_);
    }

    // Once next_token has given none: the line for an "Unexpected end of input." report, if the
    // end of the input cut something off that would otherwise vanish silently: a raw element
    // whose body never met its "<>" (the element's line), or a double tag never closed by ">>"
    // (the line of its first "<"). The earlier of the two when both happened.
    std::optional<std::size_t> unexpected_end_line() const {
        std::optional<std::size_t> line = position_.abandoned_tag_line();
        if (state_ == state::State::Raw) {
            line = line ? std::min(*line, raw_element_line_) : raw_element_line_;
        }
        return line;
    }

    // The snapshot of the last token.
    std::size_t line() const { return line_; }
    std::size_t line_start() const { return line_start_; }

    // The state the next step runs in (None once tokenizing is over).
    state::State state() const { return state_; }

    Chars& chars() { return chars_; }
    const components::char_iterator::SharedPosition& position() const { return position_; }

  private:
    Chars chars_;
    components::char_iterator::SharedPosition position_;
    std::size_t line_ = 1;
    std::size_t line_start_ = 0;
    char32_t pending_ = components::char_iterator::kEndOfInput;
    state::State state_ = state::State::Start;
    std::size_t raw_element_line_ = 0;
};

}  // namespace kerfa_parser_kerfa::tokenizer
