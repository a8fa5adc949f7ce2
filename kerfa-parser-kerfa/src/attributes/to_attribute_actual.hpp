#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "attributes/attribute_lookup.hpp"
#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_content/data/kinds/value_need.hpp"

namespace kerfa_parser_kerfa::attributes {

// The attribute that a word gives for a value kind: the value, or Attribute::Invalid holding the
// text as written. Heading and table styles fall back to colours. A document link always reads.
std::optional<kerfa_content::data::attributes::Attribute> to_attribute_actual(
    const AttributeLookup& lookup, kerfa_content::data::kinds::ValueKind kind,
    std::string_view text);

// A whole-text decimal integer: an optional "+" or "-", one or more ASCII digits, within the
// signed 64-bit range.
std::optional<std::int64_t> parse_integer(std::string_view text);

}  // namespace kerfa_parser_kerfa::attributes
