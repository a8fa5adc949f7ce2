#include "kerfa_render_html/html_file_renderer.hpp"

#include <memory>
#include <optional>

#include "html_render/content_components.hpp"
#include "html_render/definitions/tables.hpp"
#include "html_render/line_components.hpp"
#include "html_render/section_component.hpp"
#include "kerfa_render_core_static/renders/component_set_builder.hpp"
#include "page/page_frame.hpp"
#include "page/page_size.hpp"

namespace kerfa_render_html {

namespace renders = kerfa_render_core_static::renders;
using kerfa_content::data::types::Document;

renders::RendererLookup new_renders_lookup(std::string image_path_prefix) {
    renders::ComponentSet set =
        renders::ComponentSetBuilder()
            .blocks(html_render::definitions::all_blocks())
            .properties(html_render::definitions::all_properties())
            .with<html_render::RenderActualCheck>()
            .with<html_render::RenderActualDividerLine>()
            .with<html_render::RenderActualHeading>()
            .with<html_render::RenderActualHtml>()
            .with<html_render::RenderActualImage>(std::move(image_path_prefix))
            .with<html_render::RenderActualLineBreak>()
            .with<html_render::RenderActualSection>()
            .with<html_render::RenderActualTagline>()
            .with<html_render::RenderActualText>()
            .build();
    renders::RendererLookup lookup = renders::RendererLookup::create(std::move(set), {}, {});
    // A heading line cut short by the next one (Markdown headings in quotes and lists) would
    // leave its tag open over the rest of the page.
    lookup.close_replaced_lines = true;
    return lookup;
}

HtmlFileRenderer::HtmlFileRenderer(std::string image_path_prefix)
    : LookupRenderer(new_renders_lookup(std::move(image_path_prefix))) {}

HtmlFileRenderer HtmlFileRenderer::from_document(const Document& document) {
    std::optional<std::string> stem = document.source.name();
    if (!stem) {
        return HtmlFileRenderer(std::string());
    }
    stem->push_back('/');
    return HtmlFileRenderer(std::move(*stem));
}

void HtmlFileRenderer::around_start(std::string& out) const {
    const std::string_view sheet = page::style_sheet();
    out.reserve(out.size() + page::kPageHead.size() + page::kStyleOpen.size() + sheet.size() +
                page::kStyleClose.size() + page::kPageEnd.size());
    out += page::kPageHead;
    out += page::kStyleOpen;
    out += sheet;
    out += page::kStyleClose;
}

void HtmlFileRenderer::around_end(std::string& out) const {
    out += page::kPageEnd;
}

// A page takes less than three bytes per byte of the text it was parsed from, plus its frame; a
// document of unknown origin is measured by a walk.
std::size_t HtmlFileRenderer::size_hint(const Document& document) const {
    if (const std::size_t source = source_bytes(document); source != 0) {
        return 3 * source + page::frame_size();
    }
    return page::estimate_page_size(document.children);
}

}  // namespace kerfa_render_html
