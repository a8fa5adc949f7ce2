#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "elements/types/element.hpp"
#include "elements/types/kerfa_element_type.hpp"
#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/types/property.hpp"

namespace kerfa_parser_kerfa::parser::types {
struct Harness;
}

namespace kerfa_parser_kerfa::parser::builders {

// Collects the attribute words of one element, checks and converts them as they come, and builds
// the element at its ">". Problems are reported through the harness's collector.
struct ElementBuilder {
    elements::types::KerfaElementType element_type;
    std::string name;  // as written, case kept
    std::optional<kerfa_content::data::types::Attributes> attributes;
    bool invalid = false;

    // Starts over for a name's type, keeping the name's buffer; an alias starts with the value
    // it implies (made in the arena when one is given).
    void restart(elements::types::KerfaElementType type, std::string_view written_name,
                 kerfa_content::data::storage::Arena* arena = nullptr);

    // Converts and adds one attribute word, or reports it.
    void add_attribute(types::Harness& harness, std::string word);

    // The checked value of a block element, or none when it was refused (and reported).
    std::optional<kerfa_content::data::attributes::Attribute> to_block_attribute(
        types::Harness& harness, const kerfa_content::data::kinds::BlockKindRecord& kind,
        std::string_view word);

    // The element.
    elements::types::Element build(types::Harness& harness) &&;

    bool operator==(const ElementBuilder&) const = default;

  private:
    void add_first_attribute(types::Harness& harness, std::string word);
    void add_later_attribute(types::Harness& harness, std::string word);
    void push(types::Harness& harness, kerfa_content::data::attributes::Attribute attribute);
};

}  // namespace kerfa_parser_kerfa::parser::builders
