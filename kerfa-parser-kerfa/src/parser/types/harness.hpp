#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "attributes/attribute_lookup.hpp"
#include "elements/element_lookup.hpp"
#include "parser/builders/element_builder.hpp"
#include "parser/collector/collector.hpp"
#include "parser/state/state.hpp"
#include "tokenizer/types/token.hpp"

namespace kerfa_parser_kerfa::parser::types {

// Everything one parse's state machine works with; passed to every step.
struct Harness {
    std::unique_ptr<collector::Collector> collector;
    attributes::AttributeLookup attribute_lookup;
    const elements::ElementTable& element_lookup;
    std::size_t line = 1;        // line of the token being handled, from 1
    std::size_t line_start = 0;  // byte offset of that line's first character
    // The box of the last finished element's builder, for the next element to reuse.
    std::unique_ptr<builders::ElementBuilder> spare_builder{};
    // The arena the parse builds its tree in, if any: elements are made there directly.
    kerfa_content::data::storage::Arena* arena = nullptr;

    // A builder box: the spare one when there is one.
    std::unique_ptr<builders::ElementBuilder> builder_box() {
        if (spare_builder) {
            return std::move(spare_builder);
        }
        return std::make_unique<builders::ElementBuilder>(
            builders::ElementBuilder{elements::types::KerfaElementType::Unknown{}, {}, {}, false});
    }

    // UnexpectedToken: the token's text, the context and the token's name, joined by blanks.
    void report_bad_token(const tokenizer::types::Token& token, std::string_view context);

    // The same with the context "Not expected for state '{}'." naming the state.
    void report_bad_state_token(const tokenizer::types::Token& token, const state::State& state);

    // UnexpectedState with the state's display name and the action.
    void report_unexpected_state(const state::State& state, std::string_view action);
};

}  // namespace kerfa_parser_kerfa::parser::types
