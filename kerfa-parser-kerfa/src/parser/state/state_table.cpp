#include "parser/state/state_table.hpp"

#include <utility>

#include "parser/utils/data_utils.hpp"
#include "parser/utils/table_utils.hpp"

namespace kerfa_parser_kerfa::parser::state {

namespace {

using elements::types::Element;
namespace data_utils = utils::data_utils;
namespace table_utils = utils::table_utils;
namespace bk = kerfa_content::data::kinds::block_kind;

}  // namespace

State StateTable::next_element(types::Harness& harness, TableKinds kinds, Element element) {
    auto& collector = *harness.collector;
    if (auto* block = std::get_if<Element::Block>(&element.value)) {
        if (block->kind->id == bk::TABLE_HEADING && kinds.table == bk::TABLE) {
            // The table's heading part.
            collector.replace_current_state(State::TablePostHeading{kinds});
            return data_utils::add_block(harness, std::move(block->block), *block->kind);
        }
        table_utils::open_auto_row(harness, kinds);
        table_utils::open_implicit_entry(harness, kinds);
        return data_utils::add_block(harness, std::move(block->block), *block->kind);
    }
    if (element.is<Element::TableEntry>()) {
        table_utils::open_row(harness, kinds);
        table_utils::open_column_entry(harness, kinds);
        return State::Default{};
    }
    table_utils::open_auto_row(harness, kinds);
    table_utils::open_implicit_entry(harness, kinds);
    if (element.is<Element::TableEntrySeparator>()) {
        collector.complete_current_container();  // an empty first entry
        return State::TableRowAutoEntry{kinds};
    }
    return data_utils::next_element(harness, std::move(element), State::ImplicitTableEntry{kinds});
}

State StateTable::next_tagline(types::Harness& harness, TableKinds kinds) {
    return next_text(harness, kinds, data_utils::at_text());
}

State StateTable::next_text(types::Harness& harness, TableKinds kinds, std::string_view text) {
    table_utils::open_auto_row(harness, kinds);
    table_utils::open_implicit_entry(harness, kinds);
    harness.collector->add_text(text);
    return State::ImplicitTableEntry{kinds};
}

}  // namespace kerfa_parser_kerfa::parser::state
