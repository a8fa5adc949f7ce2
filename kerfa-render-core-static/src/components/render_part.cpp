#include "kerfa_render_core_static/components/render_part.hpp"

#include <fmt/format.h>

#include "kerfa_render_core_static/components/debug_quote.hpp"
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
            [](const kattr::Attribute::String& value) { return value.text.str(); },
            [](const kattr::Attribute::Invalid& value) { return value.text.str(); },
        },
        static_cast<const kattr::Attribute::variant&>(attribute));
}

std::optional<std::string_view> first_attribute_text(const OptionalAttributes& attributes,
                                                     std::string& scratch) {
    const kattr::Attribute* first = valid_first_attribute(attributes);
    if (first == nullptr) {
        return std::nullopt;
    }
    if (const auto* text = std::get_if<kattr::Attribute::String>(first)) {
        return text->text;
    }
    scratch = get_attribute_value(*first);
    return scratch;
}

void render_attribute(const OptionalAttributes& attributes, std::string& out) {
    std::string scratch;
    if (const auto text = first_attribute_text(attributes, scratch)) {
        out += *text;
    }
}

void render_optional_attribute_with(const OptionalAttributes& attributes, std::string_view before,
                                    std::string_view after, std::string& out) {
    std::string scratch;
    if (const auto text = first_attribute_text(attributes, scratch)) {
        out += before;
        out += *text;
        out += after;
    }
}

namespace {

// The interpreter: one part against the attributes; `content` is null for an element that does
// not stand in for its value with its text.
void interpret(const RenderPart& part, const OptionalAttributes& attributes,
               const std::string_view* content, std::string& out) {
    const auto first_attribute = [&](ValuePolicy policy) {
        std::string scratch;
        if (const auto text = first_attribute_text(attributes, scratch)) {
            append_value(out, *text, policy);
        }
    };
    std::visit(Overloaded{
                   [&](const RenderPart::Static& piece) { out += piece.text; },
                   [&](const RenderPart::Attribute& piece) { first_attribute(piece.policy); },
                   [&](const RenderPart::AttributeOrContent& piece) {
                       if (content != nullptr) {
                           append_value(out, *content, piece.policy);
                       } else {
                           first_attribute(piece.policy);
                       }
                   },
                   [&](const RenderPart::EndDiv&) { out += "</div>"; },
                   [&](const RenderPart::EndSpan&) { out += "</span>"; },
                   [&](const RenderPart::OptionalAttributeWith& piece) {
                       std::string scratch;
                       if (const auto text = first_attribute_text(attributes, scratch)) {
                           out += piece.before;
                           append_value(out, *text, piece.policy);
                           out += piece.after;
                       }
                   },
               },
               static_cast<const RenderPart::variant&>(part));
}

// "(Policy)" for a policy other than AsIs.
std::string policy_suffix(ValuePolicy policy) {
    if (policy == ValuePolicy::AsIs) {
        return {};
    }
    return fmt::format("({})", policy_name(policy));
}

}  // namespace

void RenderPart::render(const OptionalAttributes& attributes, std::string& out) const {
    interpret(*this, attributes, nullptr, out);
}

void RenderPart::render_with_content(const OptionalAttributes& attributes, std::string_view content,
                                     std::string& out) const {
    interpret(*this, attributes, &content, out);
}

std::string RenderPart::debug_text() const {
    return std::visit(
        Overloaded{
            [](const Static& part) { return fmt::format("Static({})", debug_quote(part.text)); },
            [](const Attribute& part) { return "Attribute" + policy_suffix(part.policy); },
            [](const AttributeOrContent& part) {
                return "AttributeOrContent" + policy_suffix(part.policy);
            },
            [](const EndDiv&) { return std::string("EndDiv"); },
            [](const EndSpan&) { return std::string("EndSpan"); },
            [](const OptionalAttributeWith& part) {
                return fmt::format("OptionalAttributeWith{} {{ before: {}, after: {} }}",
                                   policy_suffix(part.policy), debug_quote(part.before),
                                   debug_quote(part.after));
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

}  // namespace kerfa_render_core_static::components
