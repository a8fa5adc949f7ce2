#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "kerfa_content/data/structure/container.hpp"
#include "kerfa_content/data/structure/content.hpp"
#include "kerfa_content/data/types/line_property.hpp"
#include "kerfa_content/data/types/property.hpp"

namespace kerfa_content::data::structure {

// One item of a child list. Alternatives in order (the order is the tag, 0 to 5): Container,
// Content, LineProperty, LineBreak, Property, PropertyTerminator. Inline spans are flat: a
// Property opens one and a later PropertyTerminator of the same list closes the innermost.
class Data : public std::variant<Container, Content, types::LineProperty, types::LineBreak,
                                 types::Property, types::PropertyTerminator> {
  public:
    using variant::variant;

    const Container* as_container() const { return std::get_if<Container>(this); }
    Container* as_container() { return std::get_if<Container>(this); }
    const Content* as_content() const { return std::get_if<Content>(this); }
    Content* as_content() { return std::get_if<Content>(this); }
    const types::LineProperty* as_line_property() const {
        return std::get_if<types::LineProperty>(this);
    }
    const types::LineBreak* as_line_break() const { return std::get_if<types::LineBreak>(this); }
    const types::Property* as_property() const { return std::get_if<types::Property>(this); }
    types::Property* as_property() { return std::get_if<types::Property>(this); }
    bool is_terminator() const { return std::holds_alternative<types::PropertyTerminator>(*this); }

    // Appends the plain text of the item (iterative).
    void text_append(std::string& out) const;

    // A deep copy (iterative).
    Data clone() const;

    // Deep comparison (iterative).
    friend bool operator==(const Data& a, const Data& b);
};

}  // namespace kerfa_content::data::structure

// Boxes and texts are aligned to 1, so that an item packs into 16 bytes: the item slots are most
// of a parsed tree.
static_assert(sizeof(kerfa_content::data::structure::Data) == 16);

// An item holds boxes, texts and lists, none of which points into itself: its bytes can move.
template <>
inline constexpr bool
    kerfa_content::data::storage::is_relocatable_v<kerfa_content::data::structure::Data> = true;

namespace kerfa_content::data::structure {

// Deep copy and plain text of a list of items (iterative).
DataList clone_items(std::span<const Data> items);
void text_append(std::span<const Data> items, std::string& out);
bool items_equal(std::span<const Data> a, std::span<const Data> b);

}  // namespace kerfa_content::data::structure

// The records behind the containers, so that one include gives the whole model.
#include "kerfa_content/data/types/block.hpp"
#include "kerfa_content/data/types/document.hpp"
#include "kerfa_content/data/types/section.hpp"
