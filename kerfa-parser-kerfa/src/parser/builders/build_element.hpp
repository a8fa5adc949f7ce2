#pragma once

#include "elements/types/element.hpp"
#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "parser/types/element_builder_partial.hpp"

namespace kerfa_parser_kerfa::parser::types {
struct Harness;
}

namespace kerfa_parser_kerfa::parser::builders {

// A block element; a kind that requires a value and has none (or a refused one) is reported
// missing and becomes an invalid element.
elements::types::Element build_block(types::Harness& harness, types::ElementBuilderPartial partial,
                                     const kerfa_content::data::kinds::BlockKindRecord& kind);

// A property element, with the same missing-value rule; without a value, a kind whose value may
// be its spanned text needs that content.
elements::types::Element build_property(types::Harness& harness,
                                        types::ElementBuilderPartial partial,
                                        const kerfa_content::data::kinds::PropertyKindRecord& kind);

// An element with its name and attributes kept. The state machine reports it when it places it,
// so a bad element gives one message.
elements::types::Element build_invalid_element(types::Harness& harness,
                                               types::ElementBuilderPartial partial);

// The same for an element that takes no terminator of its own.
elements::types::Element build_invalid_element_and_terminator(types::Harness& harness,
                                                              types::ElementBuilderPartial partial);

}  // namespace kerfa_parser_kerfa::parser::builders
