#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "tokenizer/reader.hpp"
#include "tokenizer/state/element_start.hpp"
#include "tokenizer/state/state.hpp"

namespace kerfa_parser_kerfa::tokenizer::state {

// A line end ("\r\n" is one) and the state after it.
template <components::char_iterator::CharSource Chars>
Step line_end_step(char32_t c, Chars& chars) {
    if (c == U'\n') {
        return {types::Token::Newline{false}, State::LineBreak, kEndOfInput};
    }
    const char32_t after = chars.next();
    return {types::Token::Newline{true}, State::LineBreak, after == U'\n' ? kEndOfInput : after};
}

template <components::char_iterator::CharSource Chars>
Step text_step(char32_t c, Chars& chars) {
    ReadResult text = read_text_using(std::string(), c, chars);
    return {types::Token::Text{std::move(text.text)}, State::Inline, text.stop};
}

// Inside a line: "#" and "@" are ordinary text.
struct Inline {
    template <components::char_iterator::CharSource Chars>
    static Step next(char32_t c, Chars& chars) {
        if (c == U'\n' || c == U'\r') {
            return line_end_step(c, chars);
        }
        if (c == U'<') {
            return ElementStart::next(chars);
        }
        return text_step(c, chars);
    }
};

// At the start of the input or of a line: headings and taglines.
struct Start {
    template <components::char_iterator::CharSource Chars>
    static Step next(char32_t c, Chars& chars) {
        if (c == U'#') {
            std::uint8_t count = 0;  // wraps modulo 256 by design
            char32_t after = chars.next();
            while (after == U'#') {
                ++count;
                after = chars.next();
            }
            return {types::Token::Heading{count}, State::Inline,
                    after == U' ' ? kEndOfInput : after};
        }
        if (c == U'@') {
            const char32_t after = chars.next();
            return {types::Token::Tagline{}, State::Inline, after == U' ' ? kEndOfInput : after};
        }
        return Inline::next(c, chars);
    }
};

}  // namespace kerfa_parser_kerfa::tokenizer::state
