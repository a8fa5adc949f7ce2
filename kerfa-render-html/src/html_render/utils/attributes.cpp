#include "kerfa_render_html/html_render/utils/attributes.hpp"

namespace kerfa_render_html::html_render::utils {

namespace attributes = kerfa_content::data::attributes;
namespace components = kerfa_render_core_static::components;

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

std::optional<std::string_view> first_attribute_text(const components::OptionalAttributes& list,
                                                     std::string& scratch) {
    const attributes::Attribute* first = components::valid_first_attribute(list);
    if (first == nullptr) {
        return std::nullopt;
    }
    if (const auto* text = std::get_if<attributes::Attribute::String>(first)) {
        return text->text;
    }
    scratch = components::get_attribute_value(*first);
    return scratch;
}

}  // namespace kerfa_render_html::html_render::utils
