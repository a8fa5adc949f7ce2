#include "html_render/section_component.hpp"

#include "html_render/utils/numbers.hpp"

namespace kerfa_render_html::html_render {

void RenderActualSection::start(const kerfa_render_core_static::modules::Section& section,
                                std::string& out) const {
    out += "<section id=\"";
    utils::append_unsigned(out, section.id);
    out += "\">";
}

}  // namespace kerfa_render_html::html_render
