#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "elements/types/kerfa_element_type.hpp"
#include "shared/utils/string_hash.hpp"

namespace kerfa_parser_kerfa::elements {

// Element name (lower case) to what it stands for.
using ElementMap = shared::utils::StringMap<types::KerfaElementType>;

// Builds the element-name map: every block, property and special element name, the colour names
// and the indent aliases.
ElementMap new_lookup_map();

// The map of the process, built on first use; every parse shares it.
const ElementMap& element_map();

// Inserts "indent-N" and "in-N" as indent blocks implying the integer N.
void map_add_indent_alias(ElementMap& map, std::string_view indent_name, std::string_view in_name,
                          std::int64_t n);

struct ElementLookup {
    // The type of a name, looked up lower-cased (root-locale Unicode mapping); then "#" with 3 or
    // 6 hexadecimal digits as a colour property; otherwise Unknown.
    static types::KerfaElementType get(const ElementMap& map, std::string_view name);
};

}  // namespace kerfa_parser_kerfa::elements
