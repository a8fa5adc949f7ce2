#pragma once

#include <optional>
#include <vector>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/data/types/property.hpp"

namespace kerfa_content::data::types {

struct Block {
    kinds::BlockKind id = 0;
    std::optional<Attributes> attributes;  // by position; absent when none were written
    structure::DataList children;

    // id and attributes, no children.
    Block clone_state() const { return Block{id, attributes, {}}; }
    bool is_empty() const { return children.empty(); }

    // Deep comparison (iterative).
    friend bool operator==(const Block& a, const Block& b);
};

}  // namespace kerfa_content::data::types
