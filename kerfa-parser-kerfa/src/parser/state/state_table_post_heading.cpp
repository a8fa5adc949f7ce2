#include "parser/state/state_table_post_heading.hpp"

#include <utility>

#include "parser/state/state_table.hpp"

namespace kerfa_parser_kerfa::parser::state {

State StateTablePostHeading::next_text(types::Harness& harness, TableKinds kinds,
                                       std::string_view text) {
    harness.collector->replace_current_state(State::Table{kinds});
    return StateTable::next_text(harness, kinds, text);
}

}  // namespace kerfa_parser_kerfa::parser::state
