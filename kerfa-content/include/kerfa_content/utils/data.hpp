#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_content::utils {

// The plain text of the inline span whose first item is at position (the item after its opener):
// everything up to the terminator met while no inner span is open, or to the end of the list,
// but for the text inside nested spans that take their own value from their text (needs_content):
// each text counts for the value of the innermost such span only, so nested links stay linear.
std::string get_content_starting_with(std::span<const data::structure::Data> items,
                                      std::size_t position);

}  // namespace kerfa_content::utils
