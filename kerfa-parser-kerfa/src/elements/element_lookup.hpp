#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "elements/types/kerfa_element_type.hpp"

namespace kerfa_parser_kerfa::elements {

// What a name of the table stands for, in a form that a constant table can hold: the kind of
// element, and the block kind, property kind or indent it names.
struct ElementCode {
    enum class Kind : std::uint8_t {
        Block,
        Property,
        Checkbox,
        Column,
        Divider,
        HtmlBlock,
        Image,
        Indent,  // an indent block implying the integer value
        Metadata,
        Separator,
    };
    Kind kind;
    std::uint16_t value = 0;
};

// Element names (lower case) to what they stand for: every block, property and special element
// name and the indent aliases, fixed when the program is compiled, then the colour names that
// hold no space.
class ElementTable {
  public:
    // The type of a lower-case name, or none.
    std::optional<types::KerfaElementType> find(std::string_view name) const;
    // The same with Unknown for a name the table does not hold.
    types::KerfaElementType type_of_name(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name).has_value(); }
    // How many names the table holds, the colour names included.
    std::size_t size() const;
};

// The table every parse shares.
const ElementTable& element_table();

struct ElementLookup {
    // The type of a name, looked up lower-cased (root-locale Unicode mapping); then "#" with 3 or
    // 6 hexadecimal digits as a colour property; otherwise Unknown.
    static types::KerfaElementType get(const ElementTable& table, std::string_view name);
};

}  // namespace kerfa_parser_kerfa::elements
