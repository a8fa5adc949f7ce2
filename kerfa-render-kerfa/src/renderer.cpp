#include "kerfa_render_kerfa/renderer.hpp"

#include "kerfa_render/tables.hpp"
#include "kerfa_render/utils/metadata.hpp"
#include "kerfa_render_core_static/components/walk_container.hpp"

namespace kerfa_render_kerfa {

using kerfa_render_core_static::components::WalkContainer;

Renderer::Renderer()
    : lookup_(kerfa_render_core_static::renders::RendererLookup::create(
          kerfa_render::new_renders_lookup(), {}, {})) {}

std::string Renderer::render(const kerfa_content::data::types::Document& document) const {
    std::string out;
    kerfa_render::utils::append_metadata(document.metadata, out);
    render_all_to(document.children, out);
    return out;
}

void Renderer::render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                             std::string& out) const {
    WalkContainer(lookup_).render_children(items, out);
}

void Renderer::render_container_to(const kerfa_content::data::structure::Container& container,
                                   std::string& out) const {
    WalkContainer(lookup_).render(container, out, false, false);
}

}  // namespace kerfa_render_kerfa
