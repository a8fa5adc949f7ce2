#pragma once

#include <cstddef>

#include "kerfa_content/data/structure/container.hpp"
#include "parser/state/state.hpp"

namespace kerfa_parser_kerfa::parser::types {

// One open container of the collector's stack. Its children gather on the collector's scratch
// list from first_child on and join the container, in one exact-size list, when it closes.
struct ContainerInFlight {
    kerfa_content::data::structure::Container container;
    state::State state;               // resumed while this container is the current one
    std::size_t open_properties = 0;  // spans opened in it and not yet closed
    std::size_t first_child = 0;      // where its children start on the scratch list
    bool holds_heap_items = false;    // a child came in from outside the parse's arena
};

}  // namespace kerfa_parser_kerfa::parser::types
