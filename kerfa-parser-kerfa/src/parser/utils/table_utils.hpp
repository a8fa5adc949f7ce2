#pragma once

#include "parser/state/table_kinds.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::utils::table_utils {

// An empty row holding one empty entry, opened and closed.
void add_empty_row_and_entry(types::Harness& harness, state::TableKinds kinds);

// Opens a row saved with TableRowAutoEntry: its entries open as its lines go.
void open_auto_row(types::Harness& harness, state::TableKinds kinds);

// Opens a row saved with TableRow: a column element opened its first entry.
void open_row(types::Harness& harness, state::TableKinds kinds);

// Opens an entry saved with ImplicitTableEntry: a line end closes it with its row.
void open_implicit_entry(types::Harness& harness, state::TableKinds kinds);

// Opens an entry saved with Default, as a column element does: only a terminator closes it.
void open_column_entry(types::Harness& harness, state::TableKinds kinds);

}  // namespace kerfa_parser_kerfa::parser::utils::table_utils
