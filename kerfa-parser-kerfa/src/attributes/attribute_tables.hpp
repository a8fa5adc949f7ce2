#pragma once

#include <cstddef>
#include <string_view>

#include "kerfa_content/data/attributes/bullet_style.hpp"
#include "names/color_forms.hpp"
#include "names/name_table.hpp"

namespace kerfa_parser_kerfa::attributes {

// Every accepted written form of the attribute values, keyed lower case (except the one-byte
// bullet keys "A", "I" and "R"). All but the colour names are fixed when the program is
// compiled.
struct AttributeTables {
    names::NameTable<bool, 14> booleans;
    names::NameTable<kerfa_content::data::attributes::BulletStyle, 51> bullets;
    names::NameTable<bool, 16> checked;                     // the values of a check box
    names::NameTable<std::string_view, 10> heading_styles;  // form to canonical style text
    names::NameTable<std::string_view, 34> table_styles;    // form to canonical style text

    // Built on first use.
    const names::ColorForms& colors() const { return names::color_forms(); }

    std::size_t size() const;
};

// The tables every lookup of the process shares.
const AttributeTables& attribute_tables();

}  // namespace kerfa_parser_kerfa::attributes
