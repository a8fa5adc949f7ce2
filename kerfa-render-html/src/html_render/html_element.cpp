#include "kerfa_render_html/html_render/html_element.hpp"

#include <algorithm>

#include "kerfa_render_html/html_render/utils/attributes.hpp"
#include "kerfa_render_html/html_render/utils/escape.hpp"
#include "kerfa_render_html/html_render/utils/unsafe_values.hpp"
#include "shared/utils/overloaded.hpp"

namespace kerfa_render_html::html_render {

namespace components = kerfa_render_core_static::components;
namespace modules = kerfa_render_core_static::modules;
using components::RenderPart;

namespace {

using shared::utils::Overloaded;

void append_first_attribute(std::string& out, const components::OptionalAttributes& attributes,
                            ValuePlace place) {
    std::string scratch;
    if (auto text = utils::first_attribute_text(attributes, scratch)) {
        append_value(out, *text, place);
    }
}

// `content` is null when the element does not stand in for its value with its text.
void render_part(const HtmlPart& piece, const components::OptionalAttributes& attributes,
                 const std::string_view* content, std::string& out) {
    std::visit(Overloaded{
                   [&](const RenderPart::Static& part) { out += part.text; },
                   [&](const RenderPart::Attribute&) {
                       append_first_attribute(out, attributes, piece.place);
                   },
                   [&](const RenderPart::AttributeOrContent&) {
                       if (content != nullptr) {
                           append_value(out, *content, piece.place);
                       } else {
                           append_first_attribute(out, attributes, piece.place);
                       }
                   },
                   [&](const RenderPart::EndDiv&) { out += "</div>"; },
                   [&](const RenderPart::EndSpan&) { out += "</span>"; },
                   [&](const RenderPart::OptionalAttributeWith& part) {
                       std::string scratch;
                       if (auto text = utils::first_attribute_text(attributes, scratch)) {
                           out += part.before;
                           append_value(out, *text, piece.place);
                           out += part.after;
                       }
                   },
               },
               static_cast<const RenderPart::variant&>(piece.part));
}

void render_parts(const HtmlParts& parts, const components::OptionalAttributes& attributes,
                  const std::string_view* content, std::string& out) {
    for (const HtmlPart& part : parts) {
        render_part(part, attributes, content, out);
    }
}

std::string debug_parts(const HtmlParts& parts) {
    std::vector<RenderPart> plain;
    plain.reserve(parts.size());
    for (const HtmlPart& part : parts) {
        plain.push_back(part.part);
    }
    return components::debug_parts(plain);
}

}  // namespace

void append_value(std::string& out, std::string_view value, ValuePlace place) {
    if (place == ValuePlace::Declaration && !utils::is_plain_css_value(value)) {
        return;
    }
    utils::append_attribute_escaped(out, value);
}

std::string HtmlElementBlock::debug_text() const {
    return "HtmlElementBlock { start: " + debug_parts(start_) + ", end: " + debug_parts(end_) +
           " }";
}

void HtmlElementBlock::start(const modules::Block& block, std::string& out) const {
    render_parts(start_, block.attributes, nullptr, out);
}

void HtmlElementBlock::end(const modules::Block& block, std::string& out) const {
    render_parts(end_, block.attributes, nullptr, out);
}

HtmlElementProperty::HtmlElementProperty(HtmlParts start, HtmlParts end)
    : start_(std::move(start)), end_(std::move(end)) {
    uses_content_ = std::ranges::any_of(start_, [](const HtmlPart& piece) {
        return std::holds_alternative<RenderPart::AttributeOrContent>(piece.part);
    });
}

std::string HtmlElementProperty::debug_text() const {
    return "HtmlElementProperty { start: " + debug_parts(start_) + ", end: " + debug_parts(end_) +
           " }";
}

void HtmlElementProperty::start(const modules::PropertyElement& element, std::string& out) const {
    render_parts(start_, element.attributes, nullptr, out);
}

void HtmlElementProperty::start_with_content(const modules::PropertyElement& element,
                                             std::string_view content, std::string& out) const {
    render_parts(start_, element.attributes, &content, out);
}

void HtmlElementProperty::end(const modules::PropertyElement& element, std::string& out) const {
    render_parts(end_, element.attributes, nullptr, out);
}

}  // namespace kerfa_render_html::html_render
