#include "kerfa_render_core_static/renders/lookup_renderer.hpp"

#include "components/walk_container.hpp"
#include "shared/utils/large_text.hpp"

namespace kerfa_render_core_static::renders {

using components::WalkContainer;

std::string LookupRenderer::render(const kerfa_content::data::types::Document& document) const {
    std::string out;
    shared::utils::reserve_large(out, size_hint(document));
    document_start(document, out);
    render_all_to(document.children, out);
    return out;
}

void LookupRenderer::render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                                   std::string& out) const {
    around_start(out);
    WalkContainer(lookup_).render_children(items, out);
    around_end(out);
}

void LookupRenderer::render_container_to(const kerfa_content::data::structure::Container& container,
                                         std::string& out) const {
    around_start(out);
    WalkContainer(lookup_).render(container, out, false, false);
    around_end(out);
}

}  // namespace kerfa_render_core_static::renders
