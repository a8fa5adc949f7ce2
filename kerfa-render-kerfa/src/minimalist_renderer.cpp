#include "kerfa_render_kerfa/minimalist_renderer.hpp"

#include "minimalist_render/tables.hpp"
#include "minimalist_render/utils/metadata.hpp"

namespace kerfa_render_kerfa {

MinimalistRenderer::MinimalistRenderer()
    : LookupRenderer(kerfa_render_core_static::renders::RendererLookup::create(
          minimalist_render::new_renders_lookup(), {}, {})) {}

void MinimalistRenderer::document_start(const kerfa_content::data::types::Document& document,
                                        std::string& out) const {
    minimalist_render::utils::append_metadata(document.metadata, out);
}

}  // namespace kerfa_render_kerfa
