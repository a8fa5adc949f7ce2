#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "kerfa_content/data/attributes/bullet_style.hpp"
#include "kerfa_content/data/attributes/color.hpp"
#include "kerfa_content/data/attributes/document_link.hpp"
#include "kerfa_content/data/storage/box.hpp"
#include "kerfa_content/data/storage/string.hpp"

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
    storage::String text;
    bool operator==(const String&) const = default;
};
// The text of a value that failed validation, kept as written.
struct Invalid {
    storage::String text;
    bool operator==(const Invalid&) const = default;
};
}  // namespace attribute_value

// A document link kept out of line: it is large and rare, and an attribute stays small.
using DocLink = storage::Boxed<DocumentLink>;

// One value of an element. Alternatives in this order: Boolean, Bullet, Color, DocLink, Integer,
// String, Invalid. Copies are deep.
class Attribute : public std::variant<attribute_value::Boolean, attribute_value::Bullet, Color,
                                      DocLink, attribute_value::Integer, attribute_value::String,
                                      attribute_value::Invalid> {
  public:
    using Boolean = attribute_value::Boolean;
    using Bullet = attribute_value::Bullet;
    using Color = attributes::Color;
    using DocLink = attributes::DocLink;
    using Integer = attribute_value::Integer;
    using String = attribute_value::String;
    using Invalid = attribute_value::Invalid;
    using variant::variant;
    Attribute(DocumentLink link)  // NOLINT(google-explicit-constructor): a link is a value
        : variant(DocLink(std::move(link))) {}

    static Attribute str(std::string_view text) { return String{storage::String(text)}; }
    static Attribute string(storage::String text) { return String{std::move(text)}; }
    // The digits of a hexadecimal colour, without the number sign.
    static Attribute color(storage::String digits) { return Color{ColorValue{std::move(digits)}}; }
    static Attribute invalid(storage::String text) { return Invalid{std::move(text)}; }

    // The document link, when the value is one.
    const DocumentLink* as_doc_link() const {
        const auto* link = std::get_if<DocLink>(this);
        return link != nullptr ? &**link : nullptr;
    }

    // The text form: "true"/"false", the style's or colour's written name, the stored colour
    // digits, the document link's text form, the decimal integer, or the text unchanged.
    std::string value() const;

    bool operator==(const Attribute& other) const = default;
};

}  // namespace kerfa_content::data::attributes
