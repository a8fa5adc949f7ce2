#include "attributes/to_attribute_actual.hpp"

#include <cstdint>
#include <limits>
#include <string>

namespace kerfa_parser_kerfa::attributes {

using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::DocumentLink;
using kerfa_content::data::kinds::ValueKind;

namespace {

Attribute integer(std::string_view text) {
    if (std::optional<std::int64_t> value = parse_integer(text)) {
        return Attribute::Integer{*value};
    }
    return Attribute::invalid(std::string(text));
}

// A style word, and failing that a colour.
Attribute style_or_color(const AttributeLookup& lookup, Attribute style, std::string_view text) {
    if (std::holds_alternative<Attribute::Invalid>(style)) {
        return lookup.color(text);
    }
    return style;
}

}  // namespace

std::optional<std::int64_t> parse_integer(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Accumulated as a magnitude so that the smallest value fits too.
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (negative) {
        return magnitude == 0 ? 0 : static_cast<std::int64_t>(~(magnitude - 1));
    }
    return static_cast<std::int64_t>(magnitude);
}

std::optional<Attribute> to_attribute_actual(const AttributeLookup& lookup, ValueKind kind,
                                             std::string_view text) {
    switch (kind) {
        case ValueKind::Boolean:
            return lookup.boolean(text);
        case ValueKind::Color:
            return lookup.color(text);
        case ValueKind::Integer:
            return integer(text);
        case ValueKind::Text:
            return Attribute::str(text);
        case ValueKind::Bullet:
            return lookup.bullet(text);
        case ValueKind::DocumentLink:
            return Attribute(DocumentLink::from_string(text));
        case ValueKind::HeadingStyle:
            return style_or_color(lookup, lookup.heading_style(text), text);
        case ValueKind::TableStyle:
            return style_or_color(lookup, lookup.table_style(text), text);
    }
    return std::nullopt;
}

}  // namespace kerfa_parser_kerfa::attributes
