#include "html_render/utils/attributes.hpp"

namespace kerfa_render_html::html_render::utils {

namespace attributes = kerfa_content::data::attributes;

void append_color_value(std::string& out, const attributes::Color& color) {
    if (const attributes::ColorValue* value = color.as_value()) {
        out.push_back('#');
        out.append(value->text);
        return;
    }
    out.append(attributes::name(*color.as_name()));
}

std::string to_color_value(const attributes::Color& color) {
    std::string out;
    append_color_value(out, color);
    return out;
}

}  // namespace kerfa_render_html::html_render::utils
