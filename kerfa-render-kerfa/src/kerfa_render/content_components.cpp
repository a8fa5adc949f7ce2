#include "kerfa_render/content_components.hpp"

#include "kerfa_render_kerfa/utils/text.hpp"
#include "utils/attributes.hpp"

namespace kerfa_render_kerfa::kerfa_render {

void RenderActualText::render(std::string_view text, std::string& out) const {
    if (!text.empty() && (text.front() == '#' || text.front() == '@')) {
        out += '\\';
    }
    kerfa_render_kerfa::utils::append_escaped_line_text(text, out);
}

void RenderActualHtml::render(std::string_view html, std::string& out) const {
    out += "<html-block>";
    kerfa_render_kerfa::utils::append_escaped_text(html, out);
    out += "<>";
}

void RenderActualHtml::render_at(std::string_view html,
                                 const kerfa_render_core_static::modules::LinePlace& place,
                                 std::string& out) const {
    const std::string_view end = !html.ends_with('\n')    ? std::string_view{}
                                 : html.ends_with("\r\n") ? std::string_view{"\r\n"}
                                                          : std::string_view{"\n"};
    if (place.holder != nullptr || end.empty()) {
        render(html, out);
        return;
    }
    html.remove_suffix(end.size());
    render(html, out);
    out += end;
}

void RenderActualImage::render(const Source& source, std::string& out) const {
    out += "<image";
    if (const auto path = source.path_string_option()) {
        out += ' ';
        kerfa_render_kerfa::utils::append_str_or_empty(*path, out);
    }
    out += '>';
}

}  // namespace kerfa_render_kerfa::kerfa_render
