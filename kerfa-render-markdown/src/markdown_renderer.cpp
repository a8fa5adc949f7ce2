#include "kerfa_render_markdown/markdown_renderer.hpp"

#include "kerfa_render_core_dynamic/components/walk_container.hpp"
#include "markdown_render/actual_render_factory.hpp"

namespace kerfa_render_markdown {

namespace {
using Walker =
    kerfa_render_core_dynamic::components::WalkContainer<markdown_render::ActualRenderFactory>;
}  // namespace

std::string MarkdownRenderer::render(const kerfa_content::data::types::Document& document) const {
    std::string out;
    render_all_to(document.children, out);
    return out;
}

void MarkdownRenderer::render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                                     std::string& out) const {
    markdown_render::ActualRenderFactory factory;
    Walker(factory).render_children(items, out);
}

void MarkdownRenderer::render_container_to(
    const kerfa_content::data::structure::Container& container, std::string& out) const {
    markdown_render::ActualRenderFactory factory;
    Walker(factory).render(container, out, false, false);
}

}  // namespace kerfa_render_markdown
