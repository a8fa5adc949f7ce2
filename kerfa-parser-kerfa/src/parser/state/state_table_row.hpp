#pragma once

#include <string>

#include "elements/types/element.hpp"
#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::state {

// A row with no entry open.
struct StateTableRow {
    // By the row's saved state: TableRow (after a column entry or a separator dispatched on it),
    // or TableRowAutoEntry (a row opened by the table's grammar or by a separator).
    static State next_element(types::Harness& harness, const State& saved,
                              elements::types::Element element);
    static State next_tagline(types::Harness& harness, TableKinds kinds);
    static State next_text(types::Harness& harness, TableKinds kinds, std::string_view text);
};

}  // namespace kerfa_parser_kerfa::parser::state
