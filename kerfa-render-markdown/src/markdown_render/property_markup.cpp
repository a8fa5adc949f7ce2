#include "markdown_render/property_markup.hpp"

#include "kerfa_content/data/kinds/property_kind.hpp"
#include "markdown_render/escape.hpp"

namespace kerfa_render_markdown::markdown_render::property_markup {

namespace {

namespace pk = kerfa_content::data::kinds::property_kind;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::types::PropertyElement;

const Attribute* first_attribute(const PropertyElement& element) {
    if (!element.attributes || element.attributes->empty()) {
        return nullptr;
    }
    return &element.attributes->front();
}

std::string first_value(const PropertyElement& element) {
    const Attribute* first = first_attribute(element);
    return first != nullptr ? first->value() : std::string();
}

Tags link_to(std::string_view destination) {
    return Tags{"[", link_close(destination)};
}

Tags document_link(const PropertyElement& element) {
    const Attribute* first = first_attribute(element);
    if (first == nullptr) {
        return {};
    }
    if (const auto* link = first->as_doc_link()) {
        // Only the document part: filters and selections have no Markdown form.
        return link->document ? link_to(*link->document) : Tags{};
    }
    return link_to(first->value());
}

}  // namespace

Tags marker(std::string_view text) {
    return Tags{std::string(text), std::string(text)};
}

Tags style_span(std::string_view style) {
    std::string start = "<span style=\"";
    start += style;
    start += "\">";
    return Tags{std::move(start), "</span>"};
}

std::string attribute_color(const PropertyElement& element) {
    const Attribute* first = first_attribute(element);
    if (first == nullptr) {
        return "inherit";
    }
    if (const auto* color = std::get_if<Attribute::Color>(first)) {
        if (const auto* value = color->as_value()) {
            return "#" + value->text;
        }
    }
    return first->value();
}

std::string link_close(std::string_view destination) {
    return "](" + escape::format_url(destination) + ")";
}

Tags scheme_link_tags(const PropertyElement& element, std::string_view scheme,
                      bool autolink_without) {
    if (first_attribute(element) == nullptr) {
        return autolink_without ? autolink() : Tags{};
    }
    return link_to(std::string(scheme) + first_value(element));
}

Tags autolink() {
    return Tags{"<", ">", Verbatim::Autolink};
}

Tags tags(const PropertyElement& element) {
    switch (element.id) {
        case pk::BOLD:
            return marker("**");
        case pk::CAUTION:
            return style_span("color: #B39700");
        case pk::CODE:
            return Tags{{}, {}, Verbatim::CodeSpan};
        case pk::DIM:
            return style_span("color: #a0a0a0");
        case pk::FONT_NAME:
            return style_span("font-family: " + first_value(element));
        case pk::FONT_SIZE:
            return style_span("font-size: " + first_value(element));
        case pk::HIGHLIGHT:
            return Tags{"<mark style=\"background: yellow\">", "</mark>"};
        case pk::IMPORTANT:
            return style_span("color: #E67E00");
        case pk::ITALIC:
            return marker("_");
        case pk::MONOSPACE:
            return style_span("font-family: monospace");
        case pk::NOTE:
            return style_span("color: #57902b");
        case pk::SMALL:
            return Tags{"<small>", "</small>"};
        case pk::STRIKETHROUGH:
            return marker("~~");
        case pk::SUBSCRIPT:
            return Tags{"<sub>", "</sub>"};
        case pk::SUPERSCRIPT:
            return Tags{"<sup>", "</sup>"};
        case pk::UNDERLINE:
            return Tags{"<u>", "</u>"};
        case pk::VARIABLE:
            return style_span("color: #C437FB");
        case pk::WARNING:
            return style_span("color: crimson");
        case pk::TAG:
            return style_span("background: #e8e8e8");
        case pk::BACKGROUND:
        case pk::BADGE:
            return style_span("background: " + attribute_color(element));
        case pk::COLOR:
            return style_span("color: " + attribute_color(element));
        case pk::ADDRESS:
        case pk::COORDINATES:
        case pk::FIXED:
            return Tags{"<span>", "</span>"};
        case pk::DOCUMENT:
            return document_link(element);
        case pk::EMAIL:
            return scheme_link_tags(element, "mailto:", true);
        case pk::LINK:
            return scheme_link_tags(element, "", true);
        case pk::TELEPHONE:
            return scheme_link_tags(element, "tel:", false);
        case pk::DOCUMENT_FILTER:
        case pk::DOCUMENT_SELECT:
        default:
            return {};
    }
}

}  // namespace kerfa_render_markdown::markdown_render::property_markup
