#include "elements/types/element.hpp"

namespace kerfa_parser_kerfa::elements::types {

std::string_view Element::display_name() const {
    static constexpr std::string_view names[] = {
        "Block",
        "Content",
        "Html",
        "Invalid Element",
        "Invalid Element And Terminator",
        "Metadata",
        "Property",
        "Table Entry",
        "Table Entry Separator",
    };
    return names[value.index()];
}

}  // namespace kerfa_parser_kerfa::elements::types
