#include "kerfa_render_structure/structure_renderer.hpp"

#include "utils.hpp"
#include "walk_container.hpp"

namespace kerfa_render_structure {

std::string StructureRenderer::render(const kerfa_content::data::types::Document& document) const {
    std::string out;
    // The document item is not in a list; its source is not shown.
    walk_container::append(utils::document_description(document), 0, out);
    walk_container::render_metadata(document.metadata, 1, out);
    walk_container::render_children(document.children, 1, out);
    return out;
}

void StructureRenderer::render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                                      std::string& out) const {
    walk_container::render_children(items, 0, out);
}

void StructureRenderer::render_container_to(
    const kerfa_content::data::structure::Container& container, std::string& out) const {
    walk_container::append(utils::container_description(container), 0, out);
    walk_container::render_contents(container, 0, out);
}

}  // namespace kerfa_render_structure
