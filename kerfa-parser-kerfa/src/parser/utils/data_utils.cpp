#include "parser/utils/data_utils.hpp"

#include <utility>

namespace kerfa_parser_kerfa::parser::utils::data_utils {

namespace {

using elements::types::Element;
using kerfa_content::data::kinds::BlockMode;
using state::State;
using state::TableKinds;
namespace bk = kerfa_content::data::kinds::block_kind;
namespace table_kinds = state::table_kinds;

// A column or separator element outside a table stays as an invalid element without attributes.
void add_misplaced_entry(types::Harness& harness, std::string name) {
    harness.collector->report_invalid_element(harness.line, name);
    harness.collector->add_invalid_element({std::move(name), std::nullopt});
}

bool is_table_of_kind_table(const State& state) {
    if (const auto* table = state.get_if<State::Table>()) {
        return table->kinds.table == bk::TABLE;
    }
    if (const auto* table = state.get_if<State::TablePostHeading>()) {
        return table->kinds.table == bk::TABLE;
    }
    return false;
}

}  // namespace

State next_element(types::Harness& harness, Element element, State return_state) {
    auto& collector = *harness.collector;
    return std::visit(
        [&](auto& value) -> State {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, Element::Block>) {
                return add_block(harness, std::move(value.block), *value.kind);
            } else if constexpr (std::is_same_v<T, Element::Content>) {
                collector.add_content(std::move(value.content));
                return std::move(return_state);
            } else if constexpr (std::is_same_v<T, Element::Html>) {
                return State::Html{};
            } else if constexpr (std::is_same_v<T, Element::InvalidElement>) {
                collector.report_invalid_element(harness.line, value.element.name);
                collector.add_invalid_element(std::move(value.element));
                return std::move(return_state);
            } else if constexpr (std::is_same_v<T, Element::InvalidElementAndTerminator>) {
                collector.report_invalid_element(harness.line, value.element.name);
                collector.add_invalid_element(std::move(value.element));
                collector.add_property_terminator();
                return std::move(return_state);
            } else if constexpr (std::is_same_v<T, Element::Metadata>) {
                return State::Metadata{};
            } else if constexpr (std::is_same_v<T, Element::Property>) {
                collector.add_property(std::move(value.property));
                return State::Default{};
            } else if constexpr (std::is_same_v<T, Element::TableEntry>) {
                add_misplaced_entry(harness, std::move(value.name));
                return std::move(return_state);
            } else {
                static_assert(std::is_same_v<T, Element::TableEntrySeparator>);
                add_misplaced_entry(harness, std::move(value.name));
                collector.add_property_terminator();
                return std::move(return_state);
            }
        },
        element.value);
}

State add_block(types::Harness& harness, kerfa_content::data::types::Block block,
                const kerfa_content::data::kinds::BlockKindRecord& kind) {
    auto& collector = *harness.collector;
    switch (kind.mode) {
        case BlockMode::Default:
            collector.add_block(std::move(block), State::Default{});
            return State::Default{};
        case BlockMode::List:
            collector.add_block(std::move(block), State::List{});
            return State::List{};
        case BlockMode::Table:
        case BlockMode::TableHeading:
            break;
    }
    if (kind.id != bk::TABLE_HEADING) {
        const State table = State::Table{table_kinds::TABLE};
        collector.add_block(std::move(block), table);
        return table;
    }
    if (is_table_of_kind_table(collector.current_state())) {
        const State heading = State::Table{table_kinds::HEADING};
        collector.add_block(std::move(block), heading);
        return heading;
    }
    // Anywhere else a heading stands alone; the parsed block and its attributes are dropped.
    const State standalone = State::Table{table_kinds::STANDALONE_HEADING};
    collector.add_block_with_id(bk::STANDALONE_HEADING, standalone);
    return standalone;
}

}  // namespace kerfa_parser_kerfa::parser::utils::data_utils
