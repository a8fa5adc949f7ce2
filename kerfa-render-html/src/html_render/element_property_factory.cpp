#include "kerfa_render_html/html_render/element_property_factory.hpp"

#include <string>

#include "kerfa_render_core_static/components/render_element_property.hpp"
#include "kerfa_render_html/html_render/html_element.hpp"
#include "kerfa_render_html/html_render/render_actual_link.hpp"

namespace kerfa_render_html::html_render {

using kerfa_render_core_static::components::RenderElementProperty;
using kerfa_render_core_static::components::RenderPart;

namespace {

std::string joined(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text.append(a).append(b).append(c);
    return text;
}

PropertyComponent span_with_value(std::string opening, ValuePlace place, std::string closing) {
    return std::make_unique<HtmlElementProperty>(HtmlParts{{RenderPart::text(std::move(opening))},
                                                           {RenderPart::Attribute{}, place},
                                                           {RenderPart::text(std::move(closing))}},
                                                 HtmlParts{{RenderPart::EndSpan{}}});
}

}  // namespace

PropertyComponent property_element(std::string_view name) {
    return RenderElementProperty({RenderPart::text(joined("<", name, ">"))},
                                 {RenderPart::text(joined("</", name, ">"))})
        .boxed();
}

PropertyComponent property_span_class(std::string_view css_class) {
    return RenderElementProperty({RenderPart::text(joined("<span class=\"", css_class, "\">"))},
                                 {RenderPart::EndSpan{}})
        .boxed();
}

PropertyComponent property_span_style(std::string_view property) {
    return span_with_value(joined("<span style=\"", property, ": "), ValuePlace::Declaration,
                           ";\">");
}

PropertyComponent property_span_class_data(std::string_view css_class) {
    return std::make_unique<HtmlElementProperty>(
        HtmlParts{{RenderPart::text(joined("<span class=\"", css_class, "\" data=\""))},
                  {RenderPart::AttributeOrContent{}},
                  {RenderPart::text("\">")}},
        HtmlParts{{RenderPart::EndSpan{}}});
}

PropertyComponent property_link() {
    return std::make_unique<RenderActualLink>();
}

PropertyComponent property_link_custom(std::string_view scheme) {
    return std::make_unique<HtmlElementProperty>(
        HtmlParts{{RenderPart::text(joined("<a href=\"", scheme))},
                  {RenderPart::AttributeOrContent{}},
                  {RenderPart::text("\">")}},
        HtmlParts{{RenderPart::text("</a>")}});
}

PropertyComponent property_badge() {
    return span_with_value(
        "<span class=\"badge\" style=\"background-color: ", ValuePlace::Declaration, ";\">");
}

}  // namespace kerfa_render_html::html_render
