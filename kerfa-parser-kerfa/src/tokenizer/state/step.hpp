#pragma once

#include "components/char_iterator/char_source.hpp"
#include "shared/utils/fault.hpp"
#include "tokenizer/state/attributes.hpp"
#include "tokenizer/state/line_states.hpp"
#include "tokenizer/state/raw.hpp"
#include "tokenizer/state/state.hpp"

namespace kerfa_parser_kerfa::tokenizer::state {

// One step of the tokenizer from a state with the character in hand; it may draw more characters
// from chars. The None state has no step: the driver stops before it.
template <components::char_iterator::CharSource Chars>
Step next(State state, char32_t c, Chars& chars) {
    switch (state) {
        case State::Start:
        case State::LineBreak:
            return Start::next(c, chars);
        case State::Inline:
            return Inline::next(c, chars);
        case State::Attributes:
            return Attributes::next(c, chars);
        case State::RawElement:
            return RawElement::next(c, chars);
        case State::Raw:
            return Raw::next(c, chars);
        case State::RawEnd:
            return RawEnd::next(c);
        case State::None:
            break;
    }
    shared::utils::internal_fault("tokenizer stepped in its None state");
}

}  // namespace kerfa_parser_kerfa::tokenizer::state
