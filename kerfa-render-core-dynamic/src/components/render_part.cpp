#include "kerfa_render_core_dynamic/components/render_part.hpp"

#include <fmt/format.h>

#include "kerfa_render_core_static/components/value_policy.hpp"

namespace kerfa_render_core_dynamic::components {

std::string RenderPart::debug_text() const {
    const auto* value = std::get_if<static_parts::RenderPart::AttributeOrContent>(&part_);
    if (value != nullptr && value->policy == static_parts::ValuePolicy::UrlParameter) {
        return "AttributeOrContentUrl";
    }
    return part_.debug_text();
}

using static_parts::debug_parts;

std::string RenderElementBlock::debug_text() const {
    return fmt::format(
        "RenderElementBlock {{ start: {}, end: {}, separator_start: {}, separator_end: {} }}",
        debug_parts(start), debug_parts(end), debug_parts(separator_start),
        debug_parts(separator_end));
}

void render_parts(const std::vector<RenderPart>& parts, const OptionalAttributes& attributes,
                  std::string& out) {
    for (const RenderPart& part : parts) {
        part.render(attributes, out);
    }
}

std::string to_url_parameter(std::string_view text) {
    std::string out;
    static_parts::append_value(out, text, static_parts::ValuePolicy::UrlParameter);
    return out;
}

}  // namespace kerfa_render_core_dynamic::components
