#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_content/data/types/property.hpp"
#include "kerfa_render_core_static/components/value_policy.hpp"

// Templates: the one interpreter of template parts that every table-driven writer uses.
//
// A template is a list of RenderPart, written in order against an element's attributes (and,
// for a property whose value is its spanned text, that text: the content). Fixed texts are
// written as they are. A value part writes the element's first attribute as text, but only when
// the first attribute exists and is not Attribute::Invalid; AttributeOrContent writes the content
// instead whenever the element gives one. Each value part carries a ValuePolicy that says how its
// value is appended where it stands (unchanged, escaped for an HTML attribute, as a CSS
// declaration, percent-encoded...), so one template serves every output format:
//
//   {RenderPart::text("<a href=\""), RenderPart::AttributeOrContent{ValuePolicy::HtmlAttribute},
//    RenderPart::text("\">")}
//
// RenderElementBlock and RenderElementProperty turn lists of parts into components.
namespace kerfa_render_core_static::components {

using Attributes = kerfa_content::data::types::Attributes;
using OptionalAttributes = std::optional<Attributes>;

namespace render_part {
struct Static {
    std::string text;
    bool operator==(const Static&) const = default;
};
// The first attribute's text.
struct Attribute {
    ValuePolicy policy = ValuePolicy::AsIs;
    bool operator==(const Attribute&) const = default;
};
// The first attribute's text, or with content the content text whatever the attributes hold.
struct AttributeOrContent {
    ValuePolicy policy = ValuePolicy::AsIs;
    bool operator==(const AttributeOrContent&) const = default;
};
struct EndDiv {
    bool operator==(const EndDiv&) const = default;
};
struct EndSpan {
    bool operator==(const EndSpan&) const = default;
};
// before, the first attribute's text and after; all three or nothing. The policy applies to the
// attribute's text only.
struct OptionalAttributeWith {
    std::string before;
    std::string after;
    ValuePolicy policy = ValuePolicy::AsIs;
    bool operator==(const OptionalAttributeWith&) const = default;
};
}  // namespace render_part

// One piece of a template. Alternatives in order: Static, Attribute, AttributeOrContent, EndDiv,
// EndSpan, OptionalAttributeWith.
class RenderPart : public std::variant<render_part::Static, render_part::Attribute,
                                       render_part::AttributeOrContent, render_part::EndDiv,
                                       render_part::EndSpan, render_part::OptionalAttributeWith> {
  public:
    using Static = render_part::Static;
    using Attribute = render_part::Attribute;
    using AttributeOrContent = render_part::AttributeOrContent;
    using EndDiv = render_part::EndDiv;
    using EndSpan = render_part::EndSpan;
    using OptionalAttributeWith = render_part::OptionalAttributeWith;
    using variant::variant;

    static RenderPart text(std::string text) { return Static{std::move(text)}; }
    static RenderPart with(std::string before, std::string after,
                           ValuePolicy policy = ValuePolicy::AsIs) {
        return OptionalAttributeWith{std::move(before), std::move(after), policy};
    }

    // The part for an element without content.
    void render(const OptionalAttributes& attributes, std::string& out) const;
    // The part for an element whose content stands in for its value.
    void render_with_content(const OptionalAttributes& attributes, std::string_view content,
                             std::string& out) const;

    // The variant name, with the texts of Static and OptionalAttributeWith and a policy other
    // than AsIs: "Attribute(CssDeclaration)".
    std::string debug_text() const;

    bool operator==(const RenderPart& other) const = default;
};

// The first attribute's text when there is a first attribute that is not Attribute::Invalid.
void render_attribute(const OptionalAttributes& attributes, std::string& out);

// before, the first attribute's text and after, under the same condition.
void render_optional_attribute_with(const OptionalAttributes& attributes, std::string_view before,
                                    std::string_view after, std::string& out);

// An attribute's text without escapes; unlike Attribute::value, a colour value gets its "#".
std::string get_attribute_value(const kerfa_content::data::attributes::Attribute& attribute);

// The first attribute when it is there and valid.
const kerfa_content::data::attributes::Attribute* valid_first_attribute(
    const OptionalAttributes& attributes);

// The first valid attribute's text as get_attribute_value gives it, none without one. A text
// attribute is viewed in place; any other kind is written into `scratch`, which the result may
// view.
std::optional<std::string_view> first_attribute_text(const OptionalAttributes& attributes,
                                                     std::string& scratch);

// Every part of a list in order.
void render_parts(std::span<const RenderPart> parts, const OptionalAttributes& attributes,
                  std::string& out);
void render_parts_with_content(std::span<const RenderPart> parts,
                               const OptionalAttributes& attributes, std::string_view content,
                               std::string& out);

// "[Static(\"<b>\"), Attribute]", for a list of any kind of part that has a debug text.
template <class Part>
std::string debug_parts(std::span<const Part> parts) {
    std::string text = "[";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += ", ";
        }
        text += parts[i].debug_text();
    }
    text += "]";
    return text;
}
template <class Part>
std::string debug_parts(const std::vector<Part>& parts) {
    return debug_parts(std::span<const Part>(parts));
}

}  // namespace kerfa_render_core_static::components
