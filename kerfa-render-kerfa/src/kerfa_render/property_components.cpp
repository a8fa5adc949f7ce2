#include "kerfa_render/property_components.hpp"

#include <fmt/format.h>

namespace kerfa_render_kerfa::kerfa_render {

std::string RenderActualProperty::debug_text() const {
    return fmt::format("RenderActualProperty {{ name: \"{}\" }}", name_);
}

void RenderActualProperty::start(const PropertyElement& element, std::string& out) const {
    out += '<';
    out += name_;
    if (element.attributes) {
        kerfa_render_kerfa::utils::append_attributes(*element.attributes, form_, out);
    }
    out += '>';
}

void RenderActualProperty::start_with_content(const PropertyElement& element, std::string_view,
                                              std::string& out) const {
    start(element, out);
}

void RenderActualProperty::end(const PropertyElement&, std::string& out) const {
    out += "<>";
}

}  // namespace kerfa_render_kerfa::kerfa_render
