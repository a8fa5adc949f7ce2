#pragma once

#include <string_view>

#include "attributes/attribute_tables.hpp"
#include "kerfa_content/data/attributes/attribute.hpp"

namespace kerfa_parser_kerfa::attributes {

// Reads attribute words by the tables. Each lookup lower-cases the text once (full Unicode
// mapping) and gives the attribute, or Attribute::Invalid holding the text as written.
class AttributeLookup {
  public:
    AttributeLookup() : tables_(&attribute_tables()) {}

    kerfa_content::data::attributes::Attribute boolean(std::string_view text) const;
    kerfa_content::data::attributes::Attribute checked(std::string_view text) const;
    // The String attribute of the canonical style text.
    kerfa_content::data::attributes::Attribute heading_style(std::string_view text) const;
    kerfa_content::data::attributes::Attribute table_style(std::string_view text) const;
    // A one-byte text is looked up as written first, so "A", "I" and "R" are upper-case styles.
    kerfa_content::data::attributes::Attribute bullet(std::string_view text) const;
    // A "#" colour value keeps its digits as written (without the "#"); otherwise a colour name.
    kerfa_content::data::attributes::Attribute color(std::string_view text) const;

    const AttributeTables& tables() const { return *tables_; }

  private:
    const AttributeTables* tables_;
};

// True for "#" followed by 3, 4, 6 or 8 hexadecimal digits.
bool is_color_value(std::string_view text);

}  // namespace kerfa_parser_kerfa::attributes
