#include "text_render/components.hpp"

#include <fmt/format.h>

#include "kerfa_render_core_static/components/debug_quote.hpp"

namespace kerfa_render_text::text_render::component {

using kerfa_render_core_static::components::debug_quote;

void RenderActualImage::render(std::string& out) const {
    if (const auto path = source->path_string_option()) {
        out += "[image: ";
        out += *path;
        out += ']';
    }
}

std::string RenderActualHeading::debug_text() const {
    return fmt::format("RenderActualHeading {{ heading: {} }}", heading.level);
}

std::string RenderActualIndent::debug_text() const {
    return fmt::format("RenderActualIndent {{ indent: {} }}", debug_quote(indent));
}

std::string RenderActualBulletEntry::debug_text() const {
    return fmt::format("RenderActualBulletEntry {{ bullet: {} }}", debug_quote(bullet));
}

}  // namespace kerfa_render_text::text_render::component
