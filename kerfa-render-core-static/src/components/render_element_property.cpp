#include "kerfa_render_core_static/components/render_element_property.hpp"

#include <algorithm>

#include <fmt/format.h>

namespace kerfa_render_core_static::components {

RenderElementProperty::RenderElementProperty(std::vector<RenderPart> start,
                                             std::vector<RenderPart> end)
    : start_(std::move(start)), end_(std::move(end)) {
    uses_content_ = std::ranges::any_of(start_, [](const RenderPart& part) {
        return std::holds_alternative<RenderPart::AttributeOrContent>(part);
    });
}

std::string RenderElementProperty::debug_text() const {
    return fmt::format("RenderElementProperty {{ start: {}, end: {} }}", debug_parts(start_),
                       debug_parts(end_));
}

void RenderElementProperty::start(const modules::PropertyElement& element, std::string& out) const {
    render_parts(start_, element.attributes, out);
}

void RenderElementProperty::start_with_content(const modules::PropertyElement& element,
                                               std::string_view content, std::string& out) const {
    render_parts_with_content(start_, element.attributes, content, out);
}

void RenderElementProperty::end(const modules::PropertyElement& element, std::string& out) const {
    render_parts(end_, element.attributes, out);
}

}  // namespace kerfa_render_core_static::components
