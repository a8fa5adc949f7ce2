#pragma once

#include <span>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/types/count.hpp"

namespace kerfa_content::utils {

// A new counter "Total" filled by add_counts over the items.
types::Count calculate_counts(std::span<const data::structure::Data> items);

// Adds every item of the list and of every container in it, at any depth, to the root: 1 to the
// root and 1 to each category and kind counter that names the item. Counts are not nested by
// depth: a block inside a block adds to the same counters as a top-level one.
void add_counts(std::span<const data::structure::Data> items, types::Count& root);

}  // namespace kerfa_content::utils
