#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "elements/types/kerfa_element_type.hpp"

namespace kerfa_parser_kerfa::elements {

// Hashes an element name by its length and three of its bytes: names are short and differ early,
// so this spreads them as well as hashing every byte, at a fraction of the cost.
struct ElementNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept {
        if (name.empty()) {
            return 0;
        }
        const auto byte = [&](std::size_t i) {
            return static_cast<std::size_t>(static_cast<unsigned char>(name[i]));
        };
        return (name.size() | byte(0) << 8 | byte(name.size() / 2) << 16 |
                byte(name.size() - 1) << 24) *
               0x9E3779B97F4A7C15ULL;
    }
};

// Element name (lower case) to what it stands for.
using ElementMap =
    std::unordered_map<std::string, types::KerfaElementType, ElementNameHash, std::equal_to<>>;

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
