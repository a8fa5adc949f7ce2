#pragma once

#include <string_view>

#include "elements/types/element.hpp"
#include "kerfa_content/data/kinds/block_kind.hpp"
#include "parser/state/state.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::utils::data_utils {

// The generic handling of a completed element; content and invalid elements go back to
// return_state.
state::State next_element(types::Harness& harness, elements::types::Element element,
                          state::State return_state);

// Opens a block by its kind's mode: ordinary, list or table. A table heading is the heading part
// only directly inside a table; anywhere else a standalone heading opens in its place.
state::State add_block(types::Harness& harness, kerfa_content::data::types::Block block,
                       const kerfa_content::data::kinds::BlockKindRecord& kind);

// The text that a tagline in a list or table becomes.
constexpr std::string_view at_text() {
    return "@";
}

}  // namespace kerfa_parser_kerfa::parser::utils::data_utils
