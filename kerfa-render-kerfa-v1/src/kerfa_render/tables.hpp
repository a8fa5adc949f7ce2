#pragma once

#include <memory>
#include <vector>

#include "kerfa_render_core_static/renders/renderer.hpp"

namespace kerfa_render_kerfa_v1::kerfa_render {

// The block components, indexed by block id (14).
std::vector<std::unique_ptr<kerfa_render_core_static::modules::RenderBlock>> all_blocks();

// The property components, indexed by property id (31).
std::vector<std::unique_ptr<kerfa_render_core_static::modules::RenderProperty>> all_properties();

// The V1 component set, named "Default".
kerfa_render_core_static::renders::ComponentSet new_default_renderer();

}  // namespace kerfa_render_kerfa_v1::kerfa_render
