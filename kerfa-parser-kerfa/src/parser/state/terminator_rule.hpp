#pragma once

#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::state {

// "<>" in ordinary text: closes the innermost open span of the current container, else the
// current container; with only the section open, there is nothing to close.
State terminator_rule(types::Harness& harness);

// The state saved with the current container.
inline State resume(types::Harness& harness) {
    return harness.collector->current_state();
}

}  // namespace kerfa_parser_kerfa::parser::state
