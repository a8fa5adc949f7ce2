#pragma once

#include <string>

#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"
#include "tokenizer/types/token.hpp"

namespace kerfa_parser_kerfa::parser::state {

// The rest of the line after a metadata element's terminator. In ordinary text the line end adds
// no line break; inside a list or a table entry the container's own grammar takes over at once.
struct StatePostMetadata {
    static State next_text(types::Harness& harness, std::string text);
    static State next_newline(types::Harness& harness, tokenizer::types::Token token);
    static State next_terminator(types::Harness& harness);
};

}  // namespace kerfa_parser_kerfa::parser::state
