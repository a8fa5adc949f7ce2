#include "kerfa_render_kerfa/renderer.hpp"

#include "kerfa_render/tables.hpp"
#include "kerfa_render/utils/metadata.hpp"

namespace kerfa_render_kerfa {

Renderer::Renderer()
    : LookupRenderer(kerfa_render_core_static::renders::RendererLookup::create(
          kerfa_render::new_renders_lookup(), {}, {})) {}

void Renderer::document_start(const kerfa_content::data::types::Document& document,
                              std::string& out) const {
    kerfa_render::utils::append_metadata(document.metadata, out);
}

}  // namespace kerfa_render_kerfa
