#pragma once

#include <string_view>
#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "tokenizer/characters.hpp"
#include "tokenizer/element_reader.hpp"
#include "tokenizer/reader.hpp"
#include "tokenizer/state/state.hpp"

namespace kerfa_parser_kerfa::tokenizer::state {

// Names whose element body is read raw, up to the next "<>", compared fully lower-cased (so a
// Kelvin sign is a "k"); ASCII names take a fast path.
bool is_raw_element_name(std::string_view name);

// The step after a "<" at a line state.
struct ElementStart {
    template <components::char_iterator::CharSource Chars>
    static Step next(Chars& chars) {
        const char32_t c = chars.next();
        if (c == kEndOfInput) {
            return {types::Token::OrphanedElementOpen{}, State::None, kEndOfInput};
        }
        if (ends_element_open(c)) {
            ReadResult text = read_text_using("<", c, chars);
            return {types::Token::Text{std::move(text.text)}, State::Inline, text.stop};
        }
        if (c == U'>') {
            return {types::Token::ElementTerminator{}, State::Inline, kEndOfInput};
        }
        ReadResult name = read_name(c, chars);
        const State next = is_raw_element_name(name.text) ? State::RawElement : State::Attributes;
        return {types::Token::Element{std::move(name.text)}, next, name.stop};
    }
};

}  // namespace kerfa_parser_kerfa::tokenizer::state
