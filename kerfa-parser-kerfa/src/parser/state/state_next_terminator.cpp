#include <utility>

#include "parser/state/state.hpp"
#include "parser/state/state_post_metadata.hpp"
#include "parser/state/terminator_rule.hpp"
#include "parser/types/harness.hpp"
#include "parser/utils/table_utils.hpp"

namespace kerfa_parser_kerfa::parser::state {

namespace {

namespace table_utils = utils::table_utils;
namespace bk = kerfa_content::data::kinds::block_kind;

void close(types::Harness& harness, int times) {
    for (int i = 0; i < times; ++i) {
        harness.collector->complete_current_container();
    }
}

}  // namespace

State State::next_terminator(State state, types::Harness& harness) {
    auto& collector = *harness.collector;
    switch (state.value.index()) {
        case state_index<State::Default>:
            return terminator_rule(harness);
        case state_index<State::Html>:  // the block is over; it never was a container
            return resume(harness);
        case state_index<State::List>:  // an empty last entry, then the list
            collector.add_block_with_id(bk::BULLET_ENTRY, ImplicitListEntry{});
            close(harness, 2);
            return resume(harness);
        case state_index<State::ImplicitListEntry>:  // a span open in the entry is closed by its
                                                     // own "<>"
            if (collector.current_has_properties()) {
                collector.add_property_terminator();
                return state;
            }
            close(harness, 2);
            return resume(harness);
        case state_index<State::Metadata>:
            return PostMetadata{};
        case state_index<State::PostMetadata>:
            return StatePostMetadata::next_terminator(harness);
        case state_index<State::Table>: {  // an empty last row, then the table
            const TableKinds kinds = std::get<Table>(state.value).kinds;
            table_utils::open_auto_row(harness, kinds);
            table_utils::open_implicit_entry(harness, kinds);
            close(harness, 3);
            return resume(harness);
        }
        case state_index<State::ImplicitTableEntry>:
            if (collector.current_has_properties()) {
                collector.add_property_terminator();
                return state;
            }
            close(harness, 3);
            return resume(harness);
        case state_index<State::TablePostHeading>:
            close(harness, 1);
            return resume(harness);
        case state_index<State::TableRow>:
            close(harness, 2);
            return resume(harness);
        case state_index<State::TableRowAutoEntry>:  // an empty last entry, the row, the table
            table_utils::open_implicit_entry(harness,
                                             std::get<TableRowAutoEntry>(state.value).kinds);
            close(harness, 3);
            return resume(harness);
        default:  // Start and the states that never meet a terminator
            harness.report_bad_state_token(tokenizer::types::Token::ElementTerminator{}, state);
            return state;
    }
}

}  // namespace kerfa_parser_kerfa::parser::state
