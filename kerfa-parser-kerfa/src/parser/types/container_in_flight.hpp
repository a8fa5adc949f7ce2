#pragma once

#include <cstddef>

#include "kerfa_content/data/structure/container.hpp"
#include "parser/state/state.hpp"

namespace kerfa_parser_kerfa::parser::types {

// One open container of the collector's stack.
struct ContainerInFlight {
    kerfa_content::data::structure::Container container;
    state::State state;               // resumed while this container is the current one
    std::size_t open_properties = 0;  // spans opened in it and not yet closed
};

}  // namespace kerfa_parser_kerfa::parser::types
