#pragma once

#include <string>
#include <utility>

#include "components/char_iterator/char_source.hpp"
#include "components/char_iterator/utf8.hpp"
#include "tokenizer/characters.hpp"
#include "tokenizer/text_builder.hpp"

namespace kerfa_parser_kerfa::tokenizer {

using components::char_iterator::kEndOfInput;

// What a reader built and the character that stopped it (kEndOfInput: nothing is held back).
struct ReadResult {
    std::string text;
    char32_t stop = kEndOfInput;
};

// After a backslash: appends what the escape stands for ("n", "r", "t" a line feed, carriage
// return, tab; any other character itself). At the end of input the backslash itself is appended
// and false is returned.
template <components::char_iterator::CharSource Chars>
bool append_escape(TextBuilder& text, Chars& chars) {
    const char32_t c = chars.next();
    switch (c) {
        case kEndOfInput:
            text.add(U'\\');
            return false;
        case U'n':
            text.add(U'\n');
            break;
        case U'r':
            text.add(U'\r');
            break;
        case U't':
            text.add(U'\t');
            break;
        default:
            text.add(c);
            break;
    }
    return true;
}

// Extends text from first up to a line end or "<" (not consumed) or the end of input; escaped
// line ends belong to the text.
template <components::char_iterator::CharSource Chars>
ReadResult read_text_using(std::string start, char32_t first, Chars& chars) {
    TextBuilder text(std::move(start));
    char32_t c = first;
    while (!is_line_end(c) && c != U'<') {
        if (c == U'\\') {
            if (!append_escape(text, chars)) {
                return {text.take(), kEndOfInput};
            }
        } else {
            text.add(c);
        }
        text.append(components::char_iterator::take_run(chars));
        c = chars.next();
        if (c == kEndOfInput) {
            break;
        }
    }
    return {text.take(), c};
}

// A raw body, from first up to the first "<" directly followed by ">" (both consumed).
struct RawRead {
    std::string body;
    bool terminated = false;  // false: the input ended first
};

// Escapes are decoded; "<" followed by any other character adds both unexamined, and a "<" that
// the end of input follows stays in the body.
template <components::char_iterator::CharSource Chars>
RawRead read_raw(char32_t first, Chars& chars) {
    TextBuilder body;
    char32_t c = first;
    for (;;) {
        if (c == U'<') {
            const char32_t after = chars.next();
            if (after == kEndOfInput) {
                body.add(U'<');
                return {body.take(), false};
            }
            if (after == U'>') {
                return {body.take(), true};
            }
            body.add(U'<');
            body.add(after);
        } else if (c == U'\\') {
            if (!append_escape(body, chars)) {
                return {body.take(), false};
            }
        } else {
            body.add(c);
        }
        body.append(components::char_iterator::take_run(chars));
        c = chars.next();
        if (c == kEndOfInput) {
            return {body.take(), false};
        }
    }
}

}  // namespace kerfa_parser_kerfa::tokenizer
