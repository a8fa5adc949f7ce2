#include "html_render/content_components.hpp"

#include <optional>

#include "shared/utils/html.hpp"

namespace kerfa_render_html::html_render {

void RenderActualImage::render(const kerfa_render_core_static::modules::Source& source,
                               std::string& out) const {
    const std::optional<std::string> path = source.path_string_option();
    if (!path) {
        return;
    }
    out += "<img src=\"";
    // Byte for byte: a web address in capitals or of another scheme counts as a relative path.
    if (!path->starts_with("http://") && !path->starts_with("https://")) {
        shared::utils::append_html_attribute(out, path_prefix_);
    }
    shared::utils::append_html_attribute(out, *path);
    out += "\" />";
}

void RenderActualText::render(std::string_view text, std::string& out) const {
    shared::utils::append_html_text(out, text);
}

}  // namespace kerfa_render_html::html_render
