#pragma once

#include <string>

#include "kerfa_parser_kerfa/parser/state/state.hpp"
#include "kerfa_parser_kerfa/parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::state {

// A table right after its heading part was closed.
struct StateTablePostHeading {
    static State next_text(types::Harness& harness, TableKinds kinds, std::string text);
};

}  // namespace kerfa_parser_kerfa::parser::state
