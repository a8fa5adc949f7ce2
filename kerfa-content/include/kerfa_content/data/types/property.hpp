#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_content/data/storage/box.hpp"
#include "kerfa_content/data/storage/list.hpp"
#include "kerfa_content/data/storage/string.hpp"

namespace kerfa_content::data::types {

using Attributes = storage::List<attributes::Attribute>;

// A recognised inline property.
struct PropertyElement {
    kinds::PropertyKind id = 0;
    std::optional<Attributes> attributes;  // absent when none were written
    // The value is the spanned text (an optional value that was not written).
    bool needs_content = false;

    bool operator==(const PropertyElement&) const = default;
};

// An element whose name was not recognised or that lacked a required value; it still opens a span.
struct InvalidElement {
    storage::String name;
    std::optional<Attributes> attributes;

    bool operator==(const InvalidElement&) const = default;
};

// Opens an inline span. Alternatives in order: Element, InvalidElement, each in its own box (on
// the heap, or in the arena of a parsed document).
class Property : public std::variant<storage::Box<PropertyElement>, storage::Box<InvalidElement>> {
  public:
    using variant::variant;
    Property(PropertyElement element)
        : variant(storage::Box<PropertyElement>::make(std::move(element))) {}
    Property(InvalidElement element)
        : variant(storage::Box<InvalidElement>::make(std::move(element))) {}

    // Null for the other alternative (or a moved-from box).
    const PropertyElement* as_element() const;
    PropertyElement* as_element();
    const InvalidElement* as_invalid() const;
    InvalidElement* as_invalid();

    // The attributes of either alternative.
    const std::optional<Attributes>* attributes() const;

    Property clone() const;

    // Compares the boxed values, not the boxes.
    bool operator==(const Property& other) const;
};

}  // namespace kerfa_content::data::types
