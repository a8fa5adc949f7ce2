#pragma once

#include <cstdint>
#include <optional>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_content::utils {

// The start number of a list, from its second attribute: an integer, or a text that is blank (1),
// an integer, ASCII letters ("a" 1, "aa" 27) or Greek letters (alpha 1); other text gives 1.
// None without a second attribute or when it is of another kind.
std::optional<std::int64_t> bullet_start(const data::types::Block& block);

}  // namespace kerfa_content::utils
