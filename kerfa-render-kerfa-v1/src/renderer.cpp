#include "kerfa_render_kerfa_v1/renderer.hpp"

#include "kerfa_render/tables.hpp"

namespace kerfa_render_kerfa_v1 {

Renderer::Renderer()
    : LookupRenderer(kerfa_render_core_static::renders::RendererLookup::create(
          kerfa_render::new_default_renderer(), {}, {})) {}

}  // namespace kerfa_render_kerfa_v1
