#pragma once

#include <vector>

#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_content/data/kinds/block_kind.hpp"

namespace kerfa_parser_kerfa::elements::types {

// A block name that implies its value ("indent-3" is an indent of 3).
struct BlockAlias {
    kerfa_content::data::attributes::Attribute attribute;
    const kerfa_content::data::kinds::BlockKindRecord* kind = nullptr;

    // A list holding one copy of the implied value.
    std::vector<kerfa_content::data::attributes::Attribute> attributes() const {
        return {attribute};
    }

    bool operator==(const BlockAlias&) const = default;
};

}  // namespace kerfa_parser_kerfa::elements::types
