#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kerfa_content/data/storage/nullable.hpp"
#include "kerfa_content/data/storage/string.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/types/metadata.hpp"

namespace kerfa_content::data::types {

struct Section {
    // From a counter that starts at 0 for each parse; a list holds fewer than 2^30 items.
    std::uint32_t id = 0;
    std::uint8_t level = 0;                // heading level from 0 (one number sign)
    std::optional<storage::String> name;  // trimmed heading text; absent when blank or implicit
    storage::Nullable<kerfa_content::types::Metadata> metadata;  // rare: out of line
    structure::DataList children;

    // Every field but the children.
    Section clone_state() const { return Section{id, level, name, metadata, {}}; }
    bool is_empty() const { return children.empty(); }

    // Deep comparison (iterative).
    friend bool operator==(const Section& a, const Section& b);
};

}  // namespace kerfa_content::data::types
