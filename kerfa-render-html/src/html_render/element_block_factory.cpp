#include "kerfa_render_html/html_render/element_block_factory.hpp"

#include <string>

#include "kerfa_render_core_static/components/render_element_block.hpp"

namespace kerfa_render_html::html_render {

using kerfa_render_core_static::components::RenderElementBlock;
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

}  // namespace kerfa_render_html::html_render
