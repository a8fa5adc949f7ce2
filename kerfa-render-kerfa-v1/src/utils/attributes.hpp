#pragma once

#include <string>
#include <string_view>

#include "kerfa_content/data/types/property.hpp"

// Element values in the V1 form: never escaped.
namespace kerfa_render_kerfa_v1::utils {

// Each attribute after one blank: names and numbers as they are (colours by their CSS name or
// "#" and the digits), a document link between double quotes with "?q=" and "#" before its
// parts, texts through append_string.
void append_attributes(const kerfa_content::data::types::Attributes& attributes, std::string& out);

// A text value: nothing for "", between double quotes when it holds white space or "<", else as
// it is. Nothing inside is escaped, double quotes included.
void append_string(std::string_view text, std::string& out);

}  // namespace kerfa_render_kerfa_v1::utils
