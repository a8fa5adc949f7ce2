#include "kerfa_render_kerfa_indented/structure_renderer.hpp"

#include "walk.hpp"

namespace kerfa_render_kerfa_indented {

std::string StructureRenderer::render(const kerfa_content::data::types::Document& document) const {
    walk::Walk walk;
    walk.walk_metadata(document.metadata);
    walk.walk_children(document.children);
    return std::move(walk).into_output();
}

void StructureRenderer::render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                                      std::string& out) const {
    walk::Walk walk;
    walk.walk_children(items);
    out += std::move(walk).into_output();
}

void StructureRenderer::render_container_to(
    const kerfa_content::data::structure::Container& container, std::string& out) const {
    walk::Walk walk;
    walk.walk_container(container);
    out += std::move(walk).into_output();
}

}  // namespace kerfa_render_kerfa_indented
