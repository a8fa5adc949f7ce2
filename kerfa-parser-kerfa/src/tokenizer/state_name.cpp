#include <array>

#include "tokenizer/state/state.hpp"

namespace kerfa_parser_kerfa::tokenizer::state {

std::string_view state_name(State state) {
    static constexpr std::array<std::string_view, 8> kNames = {
        "Attributes", "Inline", "LineBreak", "Raw", "RawEnd", "RawElement", "Start", "None",
    };
    return kNames[static_cast<std::size_t>(state)];
}

}  // namespace kerfa_parser_kerfa::tokenizer::state
