#pragma once

#include <string_view>

#include "parser/builders/element_builder.hpp"
#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::state {

// The Element state: from an element's name to its ">" (or the end of the input).
struct StateElement {
    // The Element state with a builder for the name's type.
    static State start_element(types::Harness& harness, std::string_view name);

    // Builds the element and places it by the state saved with the current container.
    static State next_element_complete(types::Harness& harness, builders::ElementBuilder& builder);

    // The input ended inside the element: it is never built; it is placed as an invalid element
    // with the attributes gathered so far, like any other element of the container (so a list
    // or table puts it into an entry), and reported once.
    static State next_unterminated_element(types::Harness& harness,
                                           builders::ElementBuilder builder);

    // The input ended right after the element's name or a word: as next_unterminated_element,
    // then whatever the resumed state leaves half-built is completed.
    static void complete(types::Harness& harness, builders::ElementBuilder builder);
};

}  // namespace kerfa_parser_kerfa::parser::state
