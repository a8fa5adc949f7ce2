#pragma once

#include <memory>
#include <vector>

#include "kerfa_render_core_static/modules/components.hpp"

// The HTML writer's component tables.
namespace kerfa_render_html::html_render::definitions {

// The 14 block components, indexed by block kind.
std::vector<std::unique_ptr<kerfa_render_core_static::modules::RenderBlock>> all_blocks();

// The 31 property components, indexed by property kind.
std::vector<std::unique_ptr<kerfa_render_core_static::modules::RenderProperty>> all_properties();

}  // namespace kerfa_render_html::html_render::definitions
