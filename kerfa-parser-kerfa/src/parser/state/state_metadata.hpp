#pragma once

#include <string>

#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::state {

// The raw body of a metadata element.
struct StateMetadata {
    // Reads the body as configuration lines: document metadata when nothing precedes it, the
    // open section's otherwise. A blank body adds nothing.
    static State next_text(types::Harness& harness, std::string_view text);
};

}  // namespace kerfa_parser_kerfa::parser::state
