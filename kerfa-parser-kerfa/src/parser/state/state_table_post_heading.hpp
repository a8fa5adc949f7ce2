#pragma once

#include <string>

#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::state {

// A table right after its heading part was closed.
struct StateTablePostHeading {
    static State next_text(types::Harness& harness, TableKinds kinds, std::string_view text);
};

}  // namespace kerfa_parser_kerfa::parser::state
