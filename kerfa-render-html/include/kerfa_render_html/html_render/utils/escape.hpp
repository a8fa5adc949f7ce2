#pragma once

#include <string>
#include <string_view>

namespace kerfa_render_html::html_render::utils {

// Page text: "&", "<" and ">" become entities; quotes stay as they are.
void append_text_escaped(std::string& out, std::string_view text);

// A value placed between the double quotes of an attribute: "&", '"', "<" and ">" become
// entities, so no value can end the attribute or open a tag. Other text is copied unchanged.
void append_attribute_escaped(std::string& out, std::string_view value);

}  // namespace kerfa_render_html::html_render::utils
