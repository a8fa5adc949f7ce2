#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kerfa_content/data/attributes/color.hpp"

namespace kerfa_render_html::html_render::utils {

// The CSS value of a colour: "#" and the stored digits for a colour value, the written name for
// a named colour ("rebeccapurple", "#80FF00"). Neither checked nor escaped.
std::string to_color_value(const kerfa_content::data::attributes::Color& color);

// The same, appended.
void append_color_value(std::string& out, const kerfa_content::data::attributes::Color& color);

}  // namespace kerfa_render_html::html_render::utils
