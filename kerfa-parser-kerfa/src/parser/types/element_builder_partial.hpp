#pragma once

#include <optional>
#include <string>

#include "kerfa_content/data/types/property.hpp"

namespace kerfa_parser_kerfa::parser::types {

// What the build steps take once the element type has been dispatched on.
struct ElementBuilderPartial {
    std::string name;  // as written
    std::optional<kerfa_content::data::types::Attributes> attributes;
    bool invalid = false;  // an attribute was refused or invalid
};

}  // namespace kerfa_parser_kerfa::parser::types
