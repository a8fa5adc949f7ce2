#include "parser/state/state.hpp"

#include <array>

namespace kerfa_parser_kerfa::parser::state {

namespace {

constexpr std::array<std::string_view, State::COUNT> DISPLAY_NAMES{
    "Default",
    "Element",
    "Html",
    "List",
    "Implicit List Entry",
    "Metadata",
    "Post Metadata",
    "Start",
    "Table",
    "Explicit Table Entry",
    "Table Heading (standalone)",
    "Implicit Table Entry",
    "Table Post Heading",
    "Table Row",
    "Table Row Auto Entry",
};

}  // namespace

std::string_view State::display_name(std::size_t index) {
    return DISPLAY_NAMES.at(index);
}

std::string_view State::display_name() const {
    return DISPLAY_NAMES[value.index()];
}

}  // namespace kerfa_parser_kerfa::parser::state
