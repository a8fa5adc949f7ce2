#pragma once

#include <string>

#include "elements/types/element.hpp"
#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::state {

// A table-like container with no row open: every line becomes a row.
struct StateTable {
    static State next_element(types::Harness& harness, TableKinds kinds,
                              elements::types::Element element);
    // A tagline starts a row whose first entry begins with the text "@".
    static State next_tagline(types::Harness& harness, TableKinds kinds);
    static State next_text(types::Harness& harness, TableKinds kinds, std::string_view text);
};

}  // namespace kerfa_parser_kerfa::parser::state
