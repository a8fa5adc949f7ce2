#pragma once

#include <memory>
#include <vector>

#include "kerfa_render_core_static/renders/renderer.hpp"

// The minimalist writer's components: short element names, the rest as the canonical writer.
namespace kerfa_render_kerfa::minimalist_render {

// The block components, indexed by block id (14).
std::vector<std::unique_ptr<kerfa_render_core_static::modules::RenderBlock>> all_blocks();

// The property components, indexed by property id (31).
std::vector<std::unique_ptr<kerfa_render_core_static::modules::RenderProperty>> all_properties();

// The minimalist component set, named "Default".
kerfa_render_core_static::renders::ComponentSet new_renders_lookup();

}  // namespace kerfa_render_kerfa::minimalist_render
