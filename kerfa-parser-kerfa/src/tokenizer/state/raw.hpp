#pragma once

#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "tokenizer/reader.hpp"
#include "tokenizer/state/state.hpp"

namespace kerfa_parser_kerfa::tokenizer::state {

// The body of a raw element, as one text token (also when empty).
struct Raw {
    template <components::char_iterator::CharSource Chars>
    static Step next(char32_t c, Chars& chars) {
        RawRead raw = read_raw(c, chars);
        return {types::Token::Text{std::move(raw.body)},
                raw.terminated ? State::RawEnd : State::Raw, kEndOfInput};
    }
};

// After a raw body's "<>": the terminator, and the character is read again in the line.
struct RawEnd {
    static Step next(char32_t c) { return {types::Token::ElementTerminator{}, State::Inline, c}; }
};

}  // namespace kerfa_parser_kerfa::tokenizer::state
