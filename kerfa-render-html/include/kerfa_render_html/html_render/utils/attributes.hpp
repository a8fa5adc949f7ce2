#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kerfa_content/data/attributes/color.hpp"
#include "kerfa_render_core_static/components/render_part.hpp"

namespace kerfa_render_html::html_render::utils {

// The CSS value of a colour: "#" and the stored digits for a colour value, the written name for
// a named colour ("rebeccapurple", "#80FF00"). Neither checked nor escaped.
std::string to_color_value(const kerfa_content::data::attributes::Color& color);

// The same, appended.
void append_color_value(std::string& out, const kerfa_content::data::attributes::Color& color);

// The text of the first attribute when there is one that is not Attribute::Invalid (as the
// templates write it: a colour value with its "#"). Texts are viewed in place; any other kind is
// written into `scratch`, which the result may view.
std::optional<std::string_view> first_attribute_text(
    const kerfa_render_core_static::components::OptionalAttributes& attributes,
    std::string& scratch);

}  // namespace kerfa_render_html::html_render::utils
