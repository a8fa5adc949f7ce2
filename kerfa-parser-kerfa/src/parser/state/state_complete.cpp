#include <utility>

#include "parser/state/state.hpp"
#include "parser/state/state_element.hpp"
#include "parser/types/harness.hpp"
#include "parser/utils/table_utils.hpp"

namespace kerfa_parser_kerfa::parser::state {

namespace {

namespace table_utils = utils::table_utils;
namespace bk = kerfa_content::data::kinds::block_kind;

}  // namespace

// What is still open afterwards is closed by the collector's complete_section.
void State::complete(State state, types::Harness& harness) {
    auto& collector = *harness.collector;
    switch (state.value.index()) {
        case state_index<State::Element>:
            StateElement::complete(harness, std::move(*std::get<Element>(state.value).builder));
            return;
        case state_index<State::List>:  // an empty last entry, then the list
            collector.add_block_with_id(bk::BULLET_ENTRY, ImplicitListEntry{});
            collector.complete_current_container();
            collector.complete_current_container();
            return;
        case state_index<State::Table>: {  // an empty last row, then the table
            const TableKinds kinds = std::get<Table>(state.value).kinds;
            table_utils::open_auto_row(harness, kinds);
            table_utils::open_implicit_entry(harness, kinds);
            collector.complete_current_container();
            collector.complete_current_container();
            collector.complete_current_container();
            return;
        }
        case state_index<State::ImplicitTableEntry>:
        case state_index<State::TablePostHeading>:
            collector.complete_current_container();
            return;
        case state_index<State::TableRowAutoEntry>:  // an empty last entry, then the row
            table_utils::open_implicit_entry(harness,
                                             std::get<TableRowAutoEntry>(state.value).kinds);
            collector.complete_current_container();
            collector.complete_current_container();
            return;
        default:
            return;
    }
}

}  // namespace kerfa_parser_kerfa::parser::state
