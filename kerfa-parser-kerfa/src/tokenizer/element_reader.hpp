#pragma once

#include <string>
#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/utf8.hpp"
#include "tokenizer/characters.hpp"
#include "tokenizer/reader.hpp"
#include "tokenizer/text_builder.hpp"

namespace kerfa_parser_kerfa::tokenizer {

// What ends a run of a name or a bare word: besides the chain's stops, element white space (the
// no-break space among the bytes from 0x80 on) and ">"; a quoted value: its quote and ">".
inline constexpr components::char_iterator::RunStops kWordStops(" \t>", true);
inline constexpr components::char_iterator::RunStops kDoubleQuotedStops("\">", false);
inline constexpr components::char_iterator::RunStops kSingleQuotedStops("'>", false);

// An element name: the first character as it is; after it "<" and backslashes are dropped (they
// escape nothing) up to element white space, ">" or the end of input.
template <components::char_iterator::CharSource Chars>
ReadResult read_name(char32_t first, Chars& chars) {
    TextBuilder name;
    name.add(first);
    name.append(components::char_iterator::take_run(chars, kWordStops));
    for (;;) {
        const char32_t c = chars.next();
        if (c == kEndOfInput || is_element_whitespace(c) || c == U'>') {
            return {name.take(), c};
        }
        if (c != U'<' && c != U'\\') {
            name.add(c);
            name.append(components::char_iterator::take_run(chars, kWordStops));
        }
    }
}

// Continues a bare word up to element white space, "<", ">" or the end of input, decoding escapes.
template <components::char_iterator::CharSource Chars>
ReadResult append_attribute_word(TextBuilder& word, Chars& chars) {
    for (;;) {
        const char32_t c = chars.next();
        if (c == kEndOfInput || is_element_whitespace(c) || c == U'<' || c == U'>') {
            return {word.take(), c};
        }
        if (c == U'\\') {
            if (!append_escape(word, chars)) {
                return {word.take(), kEndOfInput};
            }
        } else {
            word.add(c);
        }
        word.append(components::char_iterator::take_run(chars, kWordStops));
    }
}

// A bare word starting with first, taken as it is.
template <components::char_iterator::CharSource Chars>
ReadResult read_attribute(char32_t first, Chars& chars) {
    TextBuilder word;
    word.add(first);
    return append_attribute_word(word, chars);
}

// A bare word starting with an escape (its backslash already read).
template <components::char_iterator::CharSource Chars>
ReadResult read_attribute_escaped(Chars& chars) {
    TextBuilder word;
    if (!append_escape(word, chars)) {
        return {word.take(), kEndOfInput};
    }
    return append_attribute_word(word, chars);
}

// A quoted value up to the matching quote (consumed), with escapes; line ends belong to it. An
// unescaped ">" also ends it and is handed back to complete the element.
template <components::char_iterator::CharSource Chars>
ReadResult read_attribute_quoted(char32_t quote, Chars& chars) {
    const components::char_iterator::RunStops& stops =
        quote == U'"' ? kDoubleQuotedStops : kSingleQuotedStops;
    TextBuilder value;
    for (;;) {
        const char32_t c = chars.next();
        if (c == kEndOfInput || c == quote) {
            return {value.take(), kEndOfInput};
        }
        if (c == U'>') {
            return {value.take(), c};
        }
        if (c == U'\\') {
            if (!append_escape(value, chars)) {
                return {value.take(), kEndOfInput};
            }
        } else {
            value.add(c);
        }
        value.append(components::char_iterator::take_run(chars, stops));
    }
}

template <components::char_iterator::CharSource Chars>
ReadResult read_attribute_quoted_double(Chars& chars) {
    return read_attribute_quoted(U'"', chars);
}

template <components::char_iterator::CharSource Chars>
ReadResult read_attribute_quoted_single(Chars& chars) {
    return read_attribute_quoted(U'\'', chars);
}

}  // namespace kerfa_parser_kerfa::tokenizer
