#pragma once

#include <memory>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

// Block templates made from a tag or class name. None writes anything between neighbours; FIRST
// below is the block's first attribute when it exists and is not Attribute::Invalid.
namespace kerfa_render_html::html_render {

using BlockComponent = std::unique_ptr<kerfa_render_core_static::modules::RenderBlock>;

// "<NAME>" ... "</NAME>".
BlockComponent block_element(std::string_view name);

// "<div class="CLASS">", or "<div class="CLASS FIRST">" ... "</div>".
BlockComponent block_div_optional_class(std::string_view css_class);

// "<div class="CLASS">", or "<div class="CLASS" style="PROPERTY: FIRST;">" ... "</div>".
BlockComponent block_div_optional_color_property(std::string_view css_class,
                                                 std::string_view property);

// "<NAME>", or "<NAME style="PROPERTY: FIRST;">" ... "</NAME>".
BlockComponent block_element_optional_background(std::string_view name, std::string_view property);

}  // namespace kerfa_render_html::html_render
