#pragma once

#include <memory>
#include <vector>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render::definitions {

// The 14 block components, indexed by block kind.
std::vector<std::unique_ptr<kerfa_render_core_static::modules::RenderBlock>> all_blocks();

}  // namespace kerfa_render_html::html_render::definitions
