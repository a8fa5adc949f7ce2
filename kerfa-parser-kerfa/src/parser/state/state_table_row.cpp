#include "parser/state/state_table_row.hpp"

#include <utility>

#include "parser/utils/data_utils.hpp"
#include "parser/utils/table_utils.hpp"

namespace kerfa_parser_kerfa::parser::state {

namespace {

using elements::types::Element;
namespace data_utils = utils::data_utils;
namespace table_utils = utils::table_utils;

}  // namespace

State StateTableRow::next_element(types::Harness& harness, const State& saved, Element element) {
    auto& collector = *harness.collector;
    const bool auto_entry = saved.is<State::TableRowAutoEntry>();
    const TableKinds kinds = auto_entry ? saved.get_if<State::TableRowAutoEntry>()->kinds
                                        : saved.get_if<State::TableRow>()->kinds;
    if (element.is<Element::TableEntry>()) {
        if (auto_entry) {
            collector.replace_current_state(State::TableRow{kinds});
        }
        table_utils::open_column_entry(harness, kinds);
        return State::Default{};
    }
    if (element.is<Element::TableEntrySeparator>()) {
        if (!auto_entry) {
            collector.replace_current_state(State::TableRowAutoEntry{kinds});
            return State::TableRowAutoEntry{kinds};  // no entry is added
        }
        table_utils::open_implicit_entry(harness, kinds);
        collector.complete_current_container();  // an empty entry
        return State::TableRowAutoEntry{kinds};
    }
    table_utils::open_implicit_entry(harness, kinds);
    return data_utils::next_element(harness, std::move(element), State::ImplicitTableEntry{kinds});
}

State StateTableRow::next_tagline(types::Harness& harness, TableKinds kinds) {
    return next_text(harness, kinds, data_utils::at_text());
}

State StateTableRow::next_text(types::Harness& harness, TableKinds kinds, std::string_view text) {
    table_utils::open_implicit_entry(harness, kinds);
    harness.collector->add_text(text);
    return State::ImplicitTableEntry{kinds};
}

}  // namespace kerfa_parser_kerfa::parser::state
