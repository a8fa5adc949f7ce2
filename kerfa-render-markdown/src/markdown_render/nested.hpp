#pragma once

#include <span>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_render_markdown::markdown_render::nested {

// Whether a table block lies anywhere among the items, inside other blocks too (not inside
// sections or documents).
bool contains_table(std::span<const kerfa_content::data::structure::Data> items);

}  // namespace kerfa_render_markdown::markdown_render::nested
