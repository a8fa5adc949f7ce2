#include <utility>

#include "parser/state/state.hpp"
#include "parser/state/state_table.hpp"
#include "parser/state/state_table_row.hpp"
#include "parser/types/harness.hpp"
#include "parser/utils/data_utils.hpp"
#include "parser/utils/table_utils.hpp"

namespace kerfa_parser_kerfa::parser::state {

namespace {

using elements::types::Element;
namespace data_utils = utils::data_utils;
namespace table_utils = utils::table_utils;
namespace bk = kerfa_content::data::kinds::block_kind;

// Inside an implicit table entry, a column element or a separator ends the entry.
State next_in_table_entry(types::Harness& harness, TableKinds kinds, Element element) {
    auto& collector = *harness.collector;
    if (element.is<Element::TableEntry>()) {
        collector.complete_current_container();
        collector.replace_current_state(State::TableRow{kinds});
        table_utils::open_column_entry(harness, kinds);
        return State::Default{};
    }
    if (element.is<Element::TableEntrySeparator>()) {
        collector.complete_current_container();
        return State::TableRow{kinds};  // the row keeps its saved state
    }
    return data_utils::next_element(harness, std::move(element), State::ImplicitTableEntry{kinds});
}

}  // namespace

State State::next_element(State saved, types::Harness& harness, elements::types::Element element) {
    auto& collector = *harness.collector;
    switch (saved.value.index()) {
        case state_index<State::Default>:
            return data_utils::next_element(harness, std::move(element), State::Default{});
        case state_index<State::List>:
            collector.add_block_with_id(bk::BULLET_ENTRY, State::ImplicitListEntry{});
            return data_utils::next_element(harness, std::move(element),
                                            State::ImplicitListEntry{});
        case state_index<State::ImplicitListEntry>:
            return data_utils::next_element(harness, std::move(element),
                                            State::ImplicitListEntry{});
        case state_index<State::Table>:
            return StateTable::next_element(harness, std::get<Table>(saved.value).kinds,
                                            std::move(element));
        case state_index<State::ImplicitTableEntry>:
            return next_in_table_entry(harness, std::get<ImplicitTableEntry>(saved.value).kinds,
                                       std::move(element));
        case state_index<State::TablePostHeading>: {
            const TableKinds kinds = std::get<TablePostHeading>(saved.value).kinds;
            collector.replace_current_state(State::Table{kinds});
            return StateTable::next_element(harness, kinds, std::move(element));
        }
        case state_index<State::TableRow>:
        case state_index<State::TableRowAutoEntry>:
            return StateTableRow::next_element(harness, saved, std::move(element));
        default:
            // No container is ever saved with any other state.
            harness.report_unexpected_state(saved, "Next Element");
            return saved;
    }
}

}  // namespace kerfa_parser_kerfa::parser::state
