#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "kerfa_content/data/attributes/bullet_style.hpp"
#include "kerfa_content/data/attributes/named_color.hpp"
#include "shared/utils/string_hash.hpp"

namespace kerfa_parser_kerfa::attributes {

// Every accepted written form of the attribute values, keyed lower case (except the one-byte
// bullet keys "A", "I" and "R").
struct AttributeTables {
    shared::utils::StringMap<bool> booleans;
    shared::utils::StringMap<kerfa_content::data::attributes::BulletStyle> bullets;
    shared::utils::StringMap<bool> checked;  // the values of a check box
    shared::utils::StringMap<kerfa_content::data::attributes::NamedColor> colors;
    shared::utils::StringMap<std::string> heading_styles;  // form to canonical style text
    shared::utils::StringMap<std::string> table_styles;    // form to canonical style text

    std::size_t size() const;
};

// Inserts the seven forms with the one value.
void add_boolean(shared::utils::StringMap<bool>& map, bool value,
                 std::span<const std::string_view, 7> forms);

// The tables, built on first use and shared by every lookup of the process.
const AttributeTables& attribute_tables();

}  // namespace kerfa_parser_kerfa::attributes
