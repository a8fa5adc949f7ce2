#include "kerfa_render_text/text_renderer.hpp"

#include "kerfa_render_core_dynamic/components/walk_container.hpp"
#include "text_render/actual_render_factory.hpp"

namespace kerfa_render_text {

namespace framework = kerfa_render_core_dynamic::components;

std::string TextRenderer::render(const kerfa_content::data::types::Document& document) const {
    std::string out;
    render_all_to(document.children, out);
    return out;
}

void TextRenderer::render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                                 std::string& out) const {
    framework::render_items<text_render::ActualRenderFactory>(items, out);
}

void TextRenderer::render_container_to(const kerfa_content::data::structure::Container& container,
                                       std::string& out) const {
    framework::render_container<text_render::ActualRenderFactory>(container, out);
}

}  // namespace kerfa_render_text
