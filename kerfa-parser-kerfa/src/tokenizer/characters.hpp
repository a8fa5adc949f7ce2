#pragma once

namespace kerfa_parser_kerfa::tokenizer {

constexpr bool is_line_end(char32_t c) {
    return c == U'\n' || c == U'\r';
}

// What separates the words of an element. The no-break space counts here, although after a "<"
// it starts a name.
constexpr bool is_element_whitespace(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\u00A0';
}

// What makes a "<" plain text instead of the start of an element.
constexpr bool ends_element_open(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r';
}

}  // namespace kerfa_parser_kerfa::tokenizer
