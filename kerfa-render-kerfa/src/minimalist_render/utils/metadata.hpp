#pragma once

#include <string>

#include "kerfa_content/types/metadata.hpp"

namespace kerfa_render_kerfa::minimalist_render::utils {

// A metadata block as the canonical writer writes it, under the element name "meta".
void append_metadata(const kerfa_content::types::Metadata& metadata, std::string& out);

}  // namespace kerfa_render_kerfa::minimalist_render::utils
