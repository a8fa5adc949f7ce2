#pragma once

#include <cstddef>
#include <span>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_render_html::page {

// A generous guess at the size of the page holding these items, so the output grows once: the
// frame, every text and raw HTML byte with room for entities, and markup for every item. One
// walk over the items.
std::size_t estimate_page_size(std::span<const kerfa_content::data::structure::Data> items);

// The bytes of the page around its items: head, style sheet and end.
std::size_t frame_size();

}  // namespace kerfa_render_html::page
