#pragma once

#include <string>
#include <string_view>

#include "kerfa_content/types/metadata.hpp"

namespace kerfa_render_kerfa::kerfa_render::utils {

// A metadata block: nothing without keys; one key on one line, "<metadata>key: value<>"; more
// keys one per line between "<metadata>" and "<>". Keys in byte order, each line ending in a line
// feed. Backslashes and "<" are escaped, since the block's body is read with escapes.
void append_metadata(const kerfa_content::types::Metadata& metadata, std::string& out);

// As append_metadata, with the given element name in place of "metadata".
void append_metadata_block(std::string_view element, const kerfa_content::types::Metadata& metadata,
                           std::string& out);

// "key: value" and a line feed.
void append_field(std::string_view key, std::string_view value, std::string& out);

}  // namespace kerfa_render_kerfa::kerfa_render::utils
