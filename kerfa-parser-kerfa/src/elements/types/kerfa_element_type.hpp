#pragma once

#include <type_traits>
#include <utility>
#include <variant>

#include "elements/types/block_alias.hpp"
#include "elements/types/property_alias.hpp"
#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"

namespace kerfa_parser_kerfa::elements::types {

// What an element name stands for. Kind records point into the constant kind tables.
struct KerfaElementType {
    struct Block {
        const kerfa_content::data::kinds::BlockKindRecord* kind = nullptr;
        bool operator==(const Block&) const = default;
    };
    using BlockAlias = types::BlockAlias;
    struct Checkbox {
        bool operator==(const Checkbox&) const = default;
    };
    struct Divider {
        bool operator==(const Divider&) const = default;
    };
    struct Image {
        bool operator==(const Image&) const = default;
    };
    // Any name the element map does not hold.
    struct Unknown {
        bool operator==(const Unknown&) const = default;
    };
    struct HtmlBlock {
        bool operator==(const HtmlBlock&) const = default;
    };
    struct Metadata {
        bool operator==(const Metadata&) const = default;
    };
    struct Property {
        const kerfa_content::data::kinds::PropertyKindRecord* kind = nullptr;
        bool operator==(const Property&) const = default;
    };
    using PropertyAlias = types::PropertyAlias;
    struct Column {
        bool operator==(const Column&) const = default;
    };
    struct Separator {
        bool operator==(const Separator&) const = default;
    };

    using Variant = std::variant<Block, BlockAlias, Checkbox, Divider, Image, Unknown, HtmlBlock,
                                 Metadata, Property, PropertyAlias, Column, Separator>;

    Variant value;

    template <class Alternative>
    requires std::is_constructible_v<Variant, Alternative&&> KerfaElementType(
        Alternative&& alternative)  // NOLINT(google-explicit-constructor)
        : value(std::forward<Alternative>(alternative)) {}

    template <class Alternative>
    bool is() const {
        return std::holds_alternative<Alternative>(value);
    }
    template <class Alternative>
    const Alternative* get_if() const {
        return std::get_if<Alternative>(&value);
    }

    bool operator==(const KerfaElementType&) const = default;
};

}  // namespace kerfa_parser_kerfa::elements::types
