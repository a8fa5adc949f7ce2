#include "kerfa_render_core_static/components/render_part.hpp"

#include <fmt/format.h>

#include "debug_quote.hpp"
#include "shared/utils/overloaded.hpp"

namespace kerfa_render_core_static::components {

namespace kattr = kerfa_content::data::attributes;

namespace {

using shared::utils::Overloaded;

}  // namespace

const kattr::Attribute* valid_first_attribute(const OptionalAttributes& attributes) {
    if (!attributes || attributes->empty()) {
        return nullptr;
    }
    const kattr::Attribute& first = attributes->front();
    if (std::holds_alternative<kattr::Attribute::Invalid>(first)) {
        return nullptr;
    }
    return &first;
}

std::string get_attribute_value(const kattr::Attribute& attribute) {
    return std::visit(
        Overloaded{
            [](const kattr::Attribute::Boolean& value) -> std::string {
                return value.value ? "true" : "false";
            },
            [](const kattr::Attribute::Bullet& value) -> std::string {
                return std::string(kattr::name(value.style));
            },
            [](const kattr::Color& color) -> std::string {
                if (const kattr::NamedColor* named = color.as_name()) {
                    return std::string(kattr::name(*named));
                }
                return "#" + color.as_value()->text;
            },
            [](const kattr::DocumentLink& link) -> std::string { return link.to_string(); },
            [](const kattr::Attribute::Integer& value) -> std::string {
                return fmt::format("{}", value.value);
            },
            [](const kattr::Attribute::String& value) -> std::string { return value.text; },
            [](const kattr::Attribute::Invalid& value) -> std::string { return value.text; },
        },
        static_cast<const kattr::Attribute::variant&>(attribute));
}

void render_attribute(const OptionalAttributes& attributes, std::string& out) {
    if (const kattr::Attribute* first = valid_first_attribute(attributes)) {
        out += get_attribute_value(*first);
    }
}

void render_optional_attribute_with(const OptionalAttributes& attributes, std::string_view before,
                                    std::string_view after, std::string& out) {
    if (const kattr::Attribute* first = valid_first_attribute(attributes)) {
        out += before;
        out += get_attribute_value(*first);
        out += after;
    }
}

void RenderPart::render(const OptionalAttributes& attributes, std::string& out) const {
    std::visit(Overloaded{
                   [&](const Static& part) { out += part.text; },
                   [&](const Attribute&) { render_attribute(attributes, out); },
                   [&](const AttributeOrContent&) { render_attribute(attributes, out); },
                   [&](const EndDiv&) { out += "</div>"; },
                   [&](const EndSpan&) { out += "</span>"; },
                   [&](const OptionalAttributeWith& part) {
                       render_optional_attribute_with(attributes, part.before, part.after, out);
                   },
               },
               static_cast<const variant&>(*this));
}

void RenderPart::render_with_content(const OptionalAttributes& attributes, std::string_view content,
                                     std::string& out) const {
    if (std::holds_alternative<AttributeOrContent>(*this)) {
        out += content;
        return;
    }
    render(attributes, out);
}

std::string RenderPart::debug_text() const {
    return std::visit(
        Overloaded{
            [](const Static& part) { return fmt::format("Static({})", debug_quote(part.text)); },
            [](const Attribute&) { return std::string("Attribute"); },
            [](const AttributeOrContent&) { return std::string("AttributeOrContent"); },
            [](const EndDiv&) { return std::string("EndDiv"); },
            [](const EndSpan&) { return std::string("EndSpan"); },
            [](const OptionalAttributeWith& part) {
                return fmt::format("OptionalAttributeWith {{ before: {}, after: {} }}",
                                   debug_quote(part.before), debug_quote(part.after));
            },
        },
        static_cast<const variant&>(*this));
}

void render_parts(std::span<const RenderPart> parts, const OptionalAttributes& attributes,
                  std::string& out) {
    for (const RenderPart& part : parts) {
        part.render(attributes, out);
    }
}

void render_parts_with_content(std::span<const RenderPart> parts,
                               const OptionalAttributes& attributes, std::string_view content,
                               std::string& out) {
    for (const RenderPart& part : parts) {
        part.render_with_content(attributes, content, out);
    }
}

std::string debug_parts(std::span<const RenderPart> parts) {
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

}  // namespace kerfa_render_core_static::components
