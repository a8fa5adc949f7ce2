#pragma once

#include <string>
#include <variant>

#include "kerfa_content/data/attributes/named_color.hpp"
#include "kerfa_content/data/storage/string.hpp"

namespace kerfa_content::data::attributes {

// A colour written as a hexadecimal value, kept as written but without its number sign.
struct ColorValue {
    storage::String text;

    bool operator==(const ColorValue&) const = default;
};

// A colour value: a named colour (index 0) or a hexadecimal value (index 1).
class Color : public std::variant<NamedColor, ColorValue> {
  public:
    using Name = NamedColor;
    using Value = ColorValue;
    using variant::variant;

    const NamedColor* as_name() const { return std::get_if<NamedColor>(this); }
    const ColorValue* as_value() const { return std::get_if<ColorValue>(this); }

    // The written name of a named colour, or the stored digits (no number sign is added).
    std::string text() const;

    bool operator==(const Color& other) const = default;
};

}  // namespace kerfa_content::data::attributes
