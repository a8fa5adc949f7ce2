#pragma once

#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "tokenizer/characters.hpp"
#include "tokenizer/element_reader.hpp"
#include "tokenizer/state/state.hpp"

namespace kerfa_parser_kerfa::tokenizer::state {

// Inside an element after its name: attribute words up to ">". A raw element differs in that
// ">" starts its raw body and a backslash that starts a word is kept as the word's first
// character.
template <bool RawElement>
struct ElementAttributes {
    static constexpr State kSelf = RawElement ? State::RawElement : State::Attributes;
    static constexpr State kAfter = RawElement ? State::Raw : State::Inline;

    template <components::char_iterator::CharSource Chars>
    static Step next(char32_t first, Chars& chars) {
        char32_t c = first;
        while (is_element_whitespace(c)) {
            c = chars.next();
            if (c == kEndOfInput) {
                return {types::Token::UnterminatedElement{}, State::None, kEndOfInput};
            }
        }
        if (c == U'>') {
            return {types::Token::ElementComplete{}, kAfter, kEndOfInput};
        }
        ReadResult word = read_word(c, chars);
        return {types::Token::ElementAttribute{std::move(word.text)}, kSelf, word.stop};
    }

  private:
    template <components::char_iterator::CharSource Chars>
    static ReadResult read_word(char32_t c, Chars& chars) {
        if (c == U'"') {
            return read_attribute_quoted_double(chars);
        }
        if (c == U'\'') {
            return read_attribute_quoted_single(chars);
        }
        if (c == U'\\' && !RawElement) {
            return read_attribute_escaped(chars);
        }
        return read_attribute(c, chars);
    }
};

using Attributes = ElementAttributes<false>;
using RawElement = ElementAttributes<true>;

}  // namespace kerfa_parser_kerfa::tokenizer::state
