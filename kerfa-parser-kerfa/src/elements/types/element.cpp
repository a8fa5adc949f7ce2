#include "elements/types/element.hpp"

namespace kerfa_parser_kerfa::elements::types {

Element Element::property(std::string name, kerfa_content::data::types::PropertyElement element) {
    return Property{std::move(name), kerfa_content::data::types::Property(std::move(element))};
}

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
