#include "html_render/templates.hpp"

#include <string>

#include "html_render/property_components.hpp"
#include "kerfa_render_core_static/components/render_element_block.hpp"
#include "kerfa_render_core_static/components/render_element_property.hpp"

namespace kerfa_render_html::html_render {

using kerfa_render_core_static::components::RenderElementBlock;
using kerfa_render_core_static::components::RenderElementProperty;
using kerfa_render_core_static::components::RenderPart;
using kerfa_render_core_static::components::ValuePolicy;

namespace {

std::string joined(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text.append(a).append(b).append(c);
    return text;
}

}  // namespace

BlockComponent block_element(std::string_view name) {
    return RenderElementBlock({RenderPart::text(joined("<", name, ">"))},
                              {RenderPart::text(joined("</", name, ">"))})
        .boxed();
}

// The class attribute stays open across the optional part, so FIRST joins the class list.
BlockComponent block_div_optional_class(std::string_view css_class) {
    return RenderElementBlock(
               {RenderPart::text(joined("<div class=\"", css_class)),
                RenderPart::with(" ", "", ValuePolicy::HtmlAttribute), RenderPart::text("\">")},
               {RenderPart::EndDiv{}})
        .boxed();
}

BlockComponent block_div_optional_color_property(std::string_view css_class,
                                                 std::string_view property) {
    return RenderElementBlock({RenderPart::text(joined("<div class=\"", css_class, "\"")),
                               RenderPart::with(joined(" style=\"", property, ": "), ";\"",
                                                ValuePolicy::CssDeclaration),
                               RenderPart::text(">")},
                              {RenderPart::EndDiv{}})
        .boxed();
}

BlockComponent block_element_optional_background(std::string_view name, std::string_view property) {
    return RenderElementBlock({RenderPart::text(joined("<", name)),
                               RenderPart::with(joined(" style=\"", property, ": "), ";\"",
                                                ValuePolicy::CssDeclaration),
                               RenderPart::text(">")},
                              {RenderPart::text(joined("</", name, ">"))})
        .boxed();
}

namespace {

// OPENING, a CSS value, CLOSING ... "</span>".
PropertyComponent span_with_declaration(std::string opening, std::string closing) {
    return RenderElementProperty({RenderPart::text(std::move(opening)),
                                  RenderPart::Attribute{ValuePolicy::CssDeclaration},
                                  RenderPart::text(std::move(closing))},
                                 {RenderPart::EndSpan{}})
        .boxed();
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
    return span_with_declaration(joined("<span style=\"", property, ": "), ";\">");
}

PropertyComponent property_span_class_data(std::string_view css_class) {
    return RenderElementProperty(
               {RenderPart::text(joined("<span class=\"", css_class, "\" data=\"")),
                RenderPart::AttributeOrContent{ValuePolicy::HtmlAttribute},
                RenderPart::text("\">")},
               {RenderPart::EndSpan{}})
        .boxed();
}

PropertyComponent property_link() {
    return std::make_unique<RenderActualLink>();
}

PropertyComponent property_link_custom(std::string_view scheme) {
    return RenderElementProperty({RenderPart::text(joined("<a href=\"", scheme)),
                                  RenderPart::AttributeOrContent{ValuePolicy::HtmlAttribute},
                                  RenderPart::text("\">")},
                                 {RenderPart::text("</a>")})
        .boxed();
}

PropertyComponent property_badge() {
    return span_with_declaration("<span class=\"badge\" style=\"background-color: ", ";\">");
}

}  // namespace kerfa_render_html::html_render
