#include "kerfa_render_text/text_renderer.hpp"

#include "kerfa_render_core_dynamic/components/walk_container.hpp"
#include "text_render/actual_render_factory.hpp"

namespace kerfa_render_text {

namespace {
using Walker =
    kerfa_render_core_dynamic::components::WalkContainer<text_render::ActualRenderFactory>;
}  // namespace

std::string TextRenderer::render(const kerfa_content::data::types::Document& document) const {
    std::string out;
    render_all_to(document.children, out);
    return out;
}

void TextRenderer::render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                                 std::string& out) const {
    text_render::ActualRenderFactory factory;
    Walker(factory).render_children(items, out);
}

void TextRenderer::render_container_to(const kerfa_content::data::structure::Container& container,
                                       std::string& out) const {
    text_render::ActualRenderFactory factory;
    Walker(factory).render(container, out, false, false);
}

}  // namespace kerfa_render_text
