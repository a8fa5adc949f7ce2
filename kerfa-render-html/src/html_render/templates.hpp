#pragma once

#include <memory>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// Block templates made from a tag or class name. None writes anything between neighbours; FIRST
// below is the block's first attribute when it exists and is not Attribute::Invalid.
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

// Property templates made from a tag, class, CSS property or scheme. FIRST below is the
// element's first attribute when it exists and is not Attribute::Invalid, CONTENT the span's text
// for an element that stands in for its value with it.
using PropertyComponent = std::unique_ptr<kerfa_render_core_static::modules::RenderProperty>;

// "<NAME>" ... "</NAME>".
PropertyComponent property_element(std::string_view name);

// "<span class="CLASS">" ... "</span>".
PropertyComponent property_span_class(std::string_view css_class);

// "<span style="PROPERTY: FIRST;">" ... "</span>"; the fixed texts stay without FIRST.
PropertyComponent property_span_style(std::string_view property);

// "<span class="CLASS" data="FIRST">" (CONTENT in place of FIRST) ... "</span>".
PropertyComponent property_span_class_data(std::string_view css_class);

// "<a class="link" href="FIRST">" (CONTENT in place of FIRST) ... "</a>"; a target that would
// run a script gets no href.
PropertyComponent property_link();

// "<a href="SCHEMEFIRST">" (CONTENT in place of FIRST) ... "</a>".
PropertyComponent property_link_custom(std::string_view scheme);

// "<span class="badge" style="background-color: FIRST;">" ... "</span>".
PropertyComponent property_badge();

}  // namespace kerfa_render_html::html_render
