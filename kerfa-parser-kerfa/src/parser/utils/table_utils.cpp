#include "parser/utils/table_utils.hpp"

namespace kerfa_parser_kerfa::parser::utils::table_utils {

using state::State;
using state::TableKinds;

void add_empty_row_and_entry(types::Harness& harness, TableKinds kinds) {
    open_auto_row(harness, kinds);
    open_implicit_entry(harness, kinds);
    harness.collector->complete_current_container();
    harness.collector->complete_current_container();
}

void open_auto_row(types::Harness& harness, TableKinds kinds) {
    harness.collector->add_block_with_id(kinds.row, State::TableRowAutoEntry{kinds});
}

void open_row(types::Harness& harness, TableKinds kinds) {
    harness.collector->add_block_with_id(kinds.row, State::TableRow{kinds});
}

void open_implicit_entry(types::Harness& harness, TableKinds kinds) {
    harness.collector->add_block_with_id(kinds.entry, State::ImplicitTableEntry{kinds});
}

void open_column_entry(types::Harness& harness, TableKinds kinds) {
    harness.collector->add_block_with_id(kinds.entry, State::Default{});
}

}  // namespace kerfa_parser_kerfa::parser::utils::table_utils
