#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "kerfa_content/data/attributes/bullet_style.hpp"
#include "kerfa_content/data/attributes/color.hpp"
#include "kerfa_content/data/attributes/document_link.hpp"

namespace kerfa_content::data::attributes {

// The payloads of the attribute alternatives; use them through the names in Attribute.
namespace attribute_value {
struct Boolean {
    bool value;
    bool operator==(const Boolean&) const = default;
};
struct Bullet {
    BulletStyle style;
    bool operator==(const Bullet&) const = default;
};
struct Integer {
    std::int64_t value;
    bool operator==(const Integer&) const = default;
};
struct String {
    std::string text;
    bool operator==(const String&) const = default;
};
// The text of a value that failed validation, kept as written.
struct Invalid {
    std::string text;
    bool operator==(const Invalid&) const = default;
};
}  // namespace attribute_value

// One value of an element. Alternatives in this order: Boolean, Bullet, Color, DocLink, Integer,
// String, Invalid. Copies are deep.
class Attribute : public std::variant<attribute_value::Boolean, attribute_value::Bullet, Color,
                                      DocumentLink, attribute_value::Integer,
                                      attribute_value::String, attribute_value::Invalid> {
  public:
    using Boolean = attribute_value::Boolean;
    using Bullet = attribute_value::Bullet;
    using Color = attributes::Color;
    using DocLink = DocumentLink;
    using Integer = attribute_value::Integer;
    using String = attribute_value::String;
    using Invalid = attribute_value::Invalid;
    using variant::variant;

    static Attribute str(std::string_view text) { return String{std::string(text)}; }
    static Attribute string(std::string text) { return String{std::move(text)}; }
    // The digits of a hexadecimal colour, without the number sign.
    static Attribute color(std::string digits) { return Color{ColorValue{std::move(digits)}}; }
    static Attribute invalid(std::string text) { return Invalid{std::move(text)}; }

    // The text form: "true"/"false", the style's or colour's written name, the stored colour
    // digits, the document link's text form, the decimal integer, or the text unchanged.
    std::string value() const;

    bool operator==(const Attribute& other) const = default;
};

}  // namespace kerfa_content::data::attributes
