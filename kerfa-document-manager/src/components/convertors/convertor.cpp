#include "kerfa_document_manager/components/convertors/convertor.hpp"

#include <fmt/format.h>

#include "kerfa_render_html/html_file_renderer.hpp"
#include "kerfa_render_kerfa/minimalist_renderer.hpp"
#include "kerfa_render_kerfa/renderer.hpp"
#include "kerfa_render_kerfa_indented/structure_renderer.hpp"
#include "kerfa_render_kerfa_v1/renderer.hpp"
#include "kerfa_render_markdown/markdown_renderer.hpp"
#include "kerfa_render_structure/structure_renderer.hpp"
#include "kerfa_render_text/heading_renderer.hpp"
#include "kerfa_render_text/text_renderer.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_document_manager::components::convertors {

namespace {

using Document = kerfa_content::data::types::Document;
using Writer = std::string (*)(const Document&);

std::string canonical_kerfa(const Document& document) {
    return kerfa_render_kerfa::CanonicalRenderer().render(document);
}

std::string headings_list(const Document& document) {
    return kerfa_render_text::HeadingRenderer().render(document);
}

std::string markdown(const Document& document) {
    return kerfa_render_markdown::MarkdownRenderer().render(document);
}

std::string plain_text(const Document& document) {
    return kerfa_render_text::TextRenderer().render(document);
}

std::string minimalist_kerfa(const Document& document) {
    return kerfa_render_kerfa::MinimalistRenderer().render(document);
}

std::string kerfa_v1(const Document& document) {
    return kerfa_render_kerfa_v1::Renderer().render(document);
}

std::string indented_view(const Document& document) {
    return kerfa_render_kerfa_indented::StructureRenderer().render(document);
}

std::string structure_dump(const Document& document) {
    return kerfa_render_structure::StructureRenderer().render(document);
}

// Images relative to the page are looked for in a folder named after the document.
std::string html_page(const Document& document) {
    return kerfa_render_html::HtmlFileRenderer::from_document(document).render(document);
}

// The writer of each output form. The switch names every form and has no default, so a form
// added to ConvertTarget does not build until it has an arm; each writer library fills its own.
Writer writer_of(ConvertTarget target) {
    switch (target) {
        case ConvertTarget::Html:
            return &html_page;
        case ConvertTarget::Kerfa:
            return &canonical_kerfa;
        case ConvertTarget::KerfaIndented:
            return &indented_view;
        case ConvertTarget::KerfaMin:
            return &minimalist_kerfa;
        case ConvertTarget::KerfaV1:
            return &kerfa_v1;
        case ConvertTarget::Structure:
            return &structure_dump;
        case ConvertTarget::Headings:
            return &headings_list;
        case ConvertTarget::Markdown:
            return &markdown;
        case ConvertTarget::Text:
            return &plain_text;
    }
    // A number past the nine forms.
    return nullptr;
}

}  // namespace

bool has_writer(ConvertTarget target) {
    return writer_of(target) != nullptr;
}

std::string convert(const Document& document, ConvertTarget target) {
    const Writer writer = writer_of(target);
    if (writer == nullptr) {
        shared::utils::internal_fault(
            fmt::format("No writer for conversion target {}.", static_cast<unsigned>(target)));
    }
    return writer(document);
}

}  // namespace kerfa_document_manager::components::convertors
