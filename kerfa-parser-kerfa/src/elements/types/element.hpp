#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_parser_kerfa::elements::types {

// A completed element, ready for the state machine to place.
struct Element {
    struct Block {
        kerfa_content::data::types::Block block;  // attributes set, no children
        const kerfa_content::data::kinds::BlockKindRecord* kind = nullptr;
    };
    struct Content {
        kerfa_content::data::structure::Content content;
    };
    struct Html {};
    struct InvalidElement {
        kerfa_content::data::types::InvalidElement element;
    };
    // An invalid element that stands for its own terminator.
    struct InvalidElementAndTerminator {
        kerfa_content::data::types::InvalidElement element;
    };
    struct Metadata {};
    struct Property {
        kerfa_content::data::types::Property property;
    };
    // The column element: opens an entry that only a terminator closes.
    struct TableEntry {
        std::string name;
    };
    // The separator element: ends one entry of a row and starts the next.
    struct TableEntrySeparator {
        std::string name;
    };

    using Variant = std::variant<Block, Content, Html, InvalidElement, InvalidElementAndTerminator,
                                 Metadata, Property, TableEntry, TableEntrySeparator>;

    Variant value;

    template <class Alternative>
    requires std::is_constructible_v<Variant, Alternative&&> Element(
        Alternative&& alternative)  // NOLINT(google-explicit-constructor)
        : value(std::forward<Alternative>(alternative)) {}

    // "Block", "Content", "Html", "Invalid Element", "Invalid Element And Terminator", "Metadata",
    // "Property", "Table Entry" or "Table Entry Separator".
    std::string_view display_name() const;

    template <class Alternative>
    bool is() const {
        return std::holds_alternative<Alternative>(value);
    }
};

}  // namespace kerfa_parser_kerfa::elements::types
