#include "parser/builders/build_element.hpp"

#include <utility>

#include "kerfa_content/data/structure/in_arena.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::builders {

namespace {

using elements::types::Element;
using kerfa_content::data::kinds::ValueNeed;

bool lacks_required_value(ValueNeed need, const types::ElementBuilderPartial& partial) {
    return need == ValueNeed::Required && (partial.invalid || !partial.attributes);
}

kerfa_content::data::types::InvalidElement invalid_of(types::ElementBuilderPartial partial) {
    return {std::move(partial.name), std::move(partial.attributes)};
}

}  // namespace

Element build_block(types::Harness& harness, types::ElementBuilderPartial partial,
                    const kerfa_content::data::kinds::BlockKindRecord& kind) {
    if (lacks_required_value(kind.need, partial)) {
        harness.collector->report_missing_attribute(harness.line, partial.name);
        return build_invalid_element(harness, std::move(partial));
    }
    if (harness.arena != nullptr) {
        partial.attributes =
            kerfa_content::data::structure::in_arena(*harness.arena, std::move(partial.attributes));
    }
    return Element::Block{
        kerfa_content::data::types::Block{kind.id, std::move(partial.attributes), {}}, &kind};
}

Element build_property(types::Harness& harness, types::ElementBuilderPartial partial,
                       const kerfa_content::data::kinds::PropertyKindRecord& kind) {
    if (lacks_required_value(kind.need, partial)) {
        harness.collector->report_missing_attribute(harness.line, partial.name);
        return build_invalid_element(harness, std::move(partial));
    }
    const bool needs_content = kind.need == ValueNeed::Content && !partial.attributes;
    return Element::Property{kerfa_content::data::structure::boxed(
        harness.arena, kerfa_content::data::types::PropertyElement{
                           kind.id, std::move(partial.attributes), needs_content})};
}

Element build_invalid_element(types::Harness& /*harness*/, types::ElementBuilderPartial partial) {
    return Element::InvalidElement{invalid_of(std::move(partial))};
}

Element build_invalid_element_and_terminator(types::Harness& /*harness*/,
                                             types::ElementBuilderPartial partial) {
    return Element::InvalidElementAndTerminator{invalid_of(std::move(partial))};
}

}  // namespace kerfa_parser_kerfa::parser::builders
