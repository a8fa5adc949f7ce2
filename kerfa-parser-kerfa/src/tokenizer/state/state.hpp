#pragma once

#include <cstdint>
#include <string_view>

#include "tokenizer/types/token.hpp"

namespace kerfa_parser_kerfa::tokenizer::state {

// Where the tokenizer stands between two tokens.
enum class State : std::uint8_t {
    Attributes,  // inside an element after its name
    Inline,      // inside a line
    LineBreak,   // at the start of a line after a line end
    Raw,         // the body of a raw element
    RawEnd,      // just after a raw body
    RawElement,  // inside a raw element after its name
    Start,       // at the start of the input
    None,        // tokenizing is over
};

std::string_view state_name(State state);

// What one step gives: exactly one token, the next state, and the character read but not used
// (kEndOfInput when there is none).
struct Step {
    types::Token token;
    State next;
    char32_t pending;
};

}  // namespace kerfa_parser_kerfa::tokenizer::state
