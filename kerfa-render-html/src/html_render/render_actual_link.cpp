#include "kerfa_render_html/html_render/render_actual_link.hpp"

#include "kerfa_render_core_static/components/render_part.hpp"
#include "kerfa_render_html/html_render/utils/unsafe_values.hpp"
#include "shared/utils/html.hpp"

namespace kerfa_render_html::html_render {

namespace modules = kerfa_render_core_static::modules;

void RenderActualLink::append_anchor(std::string& out, std::string_view target) {
    if (utils::is_script_link(target)) {
        out += "<a class=\"link\">";
        return;
    }
    out += "<a class=\"link\" href=\"";
    shared::utils::append_html_attribute(out, target);
    out += "\">";
}

void RenderActualLink::start(const modules::PropertyElement& element, std::string& out) const {
    std::string scratch;
    append_anchor(
        out, kerfa_render_core_static::components::first_attribute_text(element.attributes, scratch)
                 .value_or(""));
}

void RenderActualLink::start_with_content(const modules::PropertyElement&, std::string_view content,
                                          std::string& out) const {
    append_anchor(out, content);
}

void RenderActualLink::end(const modules::PropertyElement&, std::string& out) const {
    out += "</a>";
}

}  // namespace kerfa_render_html::html_render
