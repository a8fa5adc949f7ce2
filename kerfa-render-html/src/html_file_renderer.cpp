#include "kerfa_render_html/html_file_renderer.hpp"

#include <memory>
#include <optional>

#include "html_render/content_components.hpp"
#include "html_render/definitions/tables.hpp"
#include "html_render/line_components.hpp"
#include "html_render/section_component.hpp"
#include "kerfa_render_core_static/components/render_noop.hpp"
#include "page/page_frame.hpp"
#include "page/page_size.hpp"

namespace kerfa_render_html {

namespace renders = kerfa_render_core_static::renders;
namespace components = kerfa_render_core_static::components;
using kerfa_content::data::types::Document;

renders::RendererLookup new_renders_lookup(std::string image_path_prefix) {
    renders::ComponentSet set;
    set.name = "Default";
    set.blocks = html_render::definitions::all_blocks();
    set.properties = html_render::definitions::all_properties();
    set.check = std::make_unique<html_render::RenderActualCheck>();
    set.divider_line = std::make_unique<html_render::RenderActualDividerLine>();
    set.heading = std::make_unique<html_render::RenderActualHeading>();
    set.html = std::make_unique<html_render::RenderActualHtml>();
    set.image = std::make_unique<html_render::RenderActualImage>(std::move(image_path_prefix));
    set.invalid_element = components::RenderInvalidPropertyNoop::boxed();
    set.line_break = std::make_unique<html_render::RenderActualLineBreak>();
    set.section = std::make_unique<html_render::RenderActualSection>();
    set.tagline = std::make_unique<html_render::RenderActualTagline>();
    set.text = std::make_unique<html_render::RenderActualText>();
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
