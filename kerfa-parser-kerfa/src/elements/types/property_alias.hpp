#pragma once

#include <vector>

#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"

namespace kerfa_parser_kerfa::elements::types {

// A property name that implies its value ("red" is a colour property holding red).
struct PropertyAlias {
    kerfa_content::data::attributes::Attribute attribute;
    const kerfa_content::data::kinds::PropertyKindRecord* kind = nullptr;

    // A list holding one copy of the implied value.
    std::vector<kerfa_content::data::attributes::Attribute> attributes() const {
        return {attribute};
    }

    bool operator==(const PropertyAlias&) const = default;
};

}  // namespace kerfa_parser_kerfa::elements::types
