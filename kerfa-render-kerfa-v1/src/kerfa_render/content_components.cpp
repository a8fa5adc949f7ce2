#include "kerfa_render/content_components.hpp"

#include "kerfa_render_kerfa/utils/text.hpp"
#include "shared/utils/white_space.hpp"

namespace kerfa_render_kerfa_v1::kerfa_render {

void RenderActualText::render(std::string_view text, std::string& out) const {
    if (!text.empty() && (text.front() == '@' || text.front() == '#')) {
        out += '\\';
    }
    kerfa_render_kerfa::utils::append_escaped_text(text, out);
}

void RenderActualHtml::render(std::string_view html, std::string& out) const {
    std::size_t done = 0;
    for (std::size_t i = 0; i < html.size(); ++i) {
        std::string_view replacement;
        switch (html[i]) {
            case '"':
                replacement = "<hq>";
                break;
            case '<':
                replacement = "<h>";
                break;
            case '>':
                replacement = "</h>";
                break;
            case '\\':
                replacement = "\\\\";
                break;
            default:
                continue;
        }
        out.append(html.substr(done, i - done));
        out += replacement;
        done = i + 1;
    }
    out.append(html.substr(done));
}

void RenderActualImage::render(const modules::Source& source, std::string& out) const {
    out += "<image";
    if (const auto path = source.path_string_option()) {
        out += ' ';
        if (shared::utils::contains_white_space(*path)) {
            out += '"';
            out += *path;
            out += '"';
        } else {
            out += *path;
        }
    }
    out += '>';
}

void RenderActualHeading::start(const modules::Heading& heading, std::string& out) const {
    out.append(static_cast<std::size_t>(heading.level) + 1, '#');
    out += ' ';
}

}  // namespace kerfa_render_kerfa_v1::kerfa_render
