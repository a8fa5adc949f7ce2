#pragma once

#include <string_view>

#include "kerfa_content/modules/parser/types/parse_data.hpp"
#include "kerfa_source_map/types/source_map.hpp"

namespace kerfa_source_map::build {

// The sections and private spans of the parse over its text. Section bounds are clamped to the
// text and never run backwards, so every section is a valid (possibly empty) range of the text.
types::SourceMap build_source_map(std::string_view text,
                                  const kerfa_content::modules::parser::types::ParseData& parse);

}  // namespace kerfa_source_map::build
