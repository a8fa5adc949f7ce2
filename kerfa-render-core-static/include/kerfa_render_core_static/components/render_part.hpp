#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_content/data/types/property.hpp"

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
    bool operator==(const Attribute&) const = default;
};
// The first attribute's text, or with content the content text whatever the attributes hold.
struct AttributeOrContent {
    bool operator==(const AttributeOrContent&) const = default;
};
struct EndDiv {
    bool operator==(const EndDiv&) const = default;
};
struct EndSpan {
    bool operator==(const EndSpan&) const = default;
};
// before, the first attribute's text and after; all three or nothing.
struct OptionalAttributeWith {
    std::string before;
    std::string after;
    bool operator==(const OptionalAttributeWith&) const = default;
};
}  // namespace render_part

// One piece of a template written against an element's attributes. Alternatives in order:
// Static, Attribute, AttributeOrContent, EndDiv, EndSpan, OptionalAttributeWith. The first
// attribute counts only when it exists and is not Attribute::Invalid.
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
    static RenderPart with(std::string before, std::string after) {
        return OptionalAttributeWith{std::move(before), std::move(after)};
    }

    void render(const OptionalAttributes& attributes, std::string& out) const;
    void render_with_content(const OptionalAttributes& attributes, std::string_view content,
                             std::string& out) const;

    // The variant name, with the texts of Static and OptionalAttributeWith.
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

// Every part of a list in order.
void render_parts(std::span<const RenderPart> parts, const OptionalAttributes& attributes,
                  std::string& out);
void render_parts_with_content(std::span<const RenderPart> parts,
                               const OptionalAttributes& attributes, std::string_view content,
                               std::string& out);

// "[Static(\"<b>\"), Attribute]"
std::string debug_parts(std::span<const RenderPart> parts);

}  // namespace kerfa_render_core_static::components
