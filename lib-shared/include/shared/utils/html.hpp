#pragma once

#include <string>
#include <string_view>

namespace shared::utils {

// Page text: "&", "<" and ">" become entities; quotes stay as they are.
void append_html_text(std::string& out, std::string_view text);

// A value placed between the double quotes of an HTML attribute: "&", '"', "<" and ">" become
// entities, so no value can end the attribute or open a tag. Other text is copied unchanged.
void append_html_attribute(std::string& out, std::string_view value);

// Whether a value can stand alone as one CSS declaration value: it holds none of ";", "{", "}",
// "\", '"', "<", ">" and no control character, so it cannot end the declaration, the rule or the
// attribute around it.
bool is_plain_css_value(std::string_view value);

}  // namespace shared::utils
