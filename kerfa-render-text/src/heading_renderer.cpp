#include "kerfa_render_text/heading_renderer.hpp"

#include "shared/utils/white_space.hpp"

namespace kerfa_render_text {

namespace {

using kerfa_content::data::structure::Container;
using kerfa_content::data::types::Section;

const Section* listed_section(const Container* container) {
    const Section* section = container != nullptr ? container->as_section() : nullptr;
    return section != nullptr && section->name ? section : nullptr;
}

void append_line(const Section& section, std::string& out) {
    out.append(section.level, '\t');
    out += shared::utils::trim(*section.name);
}

}  // namespace

std::optional<std::string> to_section_heading(const kerfa_content::data::structure::Data& item) {
    const Section* section = listed_section(item.as_container());
    if (section == nullptr) {
        return std::nullopt;
    }
    std::string line;
    append_line(*section, line);
    return line;
}

std::string HeadingRenderer::render(const kerfa_content::data::types::Document& document) const {
    std::string out;
    render_all_to(document.children, out);
    return out;
}

void HeadingRenderer::render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                                    std::string& out) const {
    bool first = true;
    for (const auto& item : items) {
        if (const Section* section = listed_section(item.as_container())) {
            if (!first) {
                out += '\n';
            }
            append_line(*section, out);
            first = false;
        }
    }
}

void HeadingRenderer::render_container_to(const Container& container, std::string& out) const {
    if (const Section* section = listed_section(&container)) {
        append_line(*section, out);
    }
}

}  // namespace kerfa_render_text
