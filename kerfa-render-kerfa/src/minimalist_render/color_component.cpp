#include "minimalist_render/color_component.hpp"

#include "utils/attributes.hpp"

namespace kerfa_render_kerfa::minimalist_render {

void RenderActualColor::start(const PropertyElement& element, std::string& out) const {
    out += '<';
    if (kerfa_render_kerfa::utils::has_color_tag(element.attributes)) {
        kerfa_render_kerfa::utils::append_color_attributes(element.attributes, out);
    } else {
        out += "color";
        if (element.attributes) {
            kerfa_render_kerfa::utils::append_attributes_minimalist(*element.attributes, out);
        }
    }
    out += '>';
}

void RenderActualColor::start_with_content(const PropertyElement& element, std::string_view,
                                           std::string& out) const {
    start(element, out);
}

void RenderActualColor::end(const PropertyElement&, std::string& out) const {
    out += "<>";
}

}  // namespace kerfa_render_kerfa::minimalist_render
