#include "kerfa_document_manager/components/convertors/convertor.hpp"

#include <array>

#include <fmt/format.h>

#include "kerfa_render_html/html_file_renderer.hpp"
#include "kerfa_render_kerfa/renderer.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_document_manager::components::convertors {

namespace {

using Document = kerfa_content::data::types::Document;
using Writer = std::string (*)(const Document&);

std::string canonical_kerfa(const Document& document) {
    return kerfa_render_kerfa::CanonicalRenderer().render(document);
}

// Images relative to the page are looked for in a folder named after the document.
std::string html_page(const Document& document) {
    return kerfa_render_html::HtmlFileRenderer::from_document(document).render(document);
}

// The writer of each output form, by its number. Each writer library adds its own line.
constexpr std::array<Writer, TARGET_COUNT> WRITERS{
    nullptr,           // 0 headings list
    &html_page,        // 1 HTML page
    nullptr,           // 2 Markdown
    &canonical_kerfa,  // 3 canonical Kerfa
    nullptr,           // 4 indented view
    nullptr,           // 5 minimalist Kerfa
    nullptr,           // 6 Kerfa V1
    nullptr,           // 7 structure dump
    nullptr,           // 8 plain text
};

}  // namespace

bool has_writer(ConvertTarget target) {
    return target < WRITERS.size() && WRITERS[target] != nullptr;
}

std::string convert(const Document& document, ConvertTarget target) {
    if (!has_writer(target)) {
        shared::utils::internal_fault(
            fmt::format("No writer for conversion target {}.", static_cast<unsigned>(target)));
    }
    return WRITERS[target](document);
}

}  // namespace kerfa_document_manager::components::convertors
