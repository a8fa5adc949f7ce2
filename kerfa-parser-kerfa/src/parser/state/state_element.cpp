#include "parser/state/state_element.hpp"

#include <utility>

namespace kerfa_parser_kerfa::parser::state {

State StateElement::start_element(types::Harness& harness, std::string_view name) {
    std::unique_ptr<builders::ElementBuilder> box = harness.builder_box();
    box->restart(elements::ElementLookup::get(harness.element_lookup, name), name, harness.arena);
    return State::Element{std::move(box)};
}

State StateElement::next_element_complete(types::Harness& harness,
                                          builders::ElementBuilder& builder) {
    elements::types::Element element = std::move(builder).build(harness);
    return State::next_element(harness.collector->current_state(), harness, std::move(element));
}

State StateElement::next_unterminated_element(types::Harness& harness,
                                              builders::ElementBuilder builder) {
    elements::types::Element element = elements::types::Element::InvalidElement{
        {std::move(builder.name), std::move(builder.attributes)}};
    return State::next_element(harness.collector->current_state(), harness, std::move(element));
}

void StateElement::complete(types::Harness& harness, builders::ElementBuilder builder) {
    State resumed = next_unterminated_element(harness, std::move(builder));
    State::complete(std::move(resumed), harness);
}

}  // namespace kerfa_parser_kerfa::parser::state
