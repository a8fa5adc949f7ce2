#pragma once

#include <string>

#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::state {

// A list with no entry open: every line becomes an entry.
struct StateList {
    // A tagline starts an entry with the text "@".
    static State next_tagline(types::Harness& harness);
    static State next_text(types::Harness& harness, std::string_view text);
    // An empty line is an empty entry.
    static State next_newline(types::Harness& harness);
};

}  // namespace kerfa_parser_kerfa::parser::state
