#include "kerfa_render_html/html_render/render_actual_text.hpp"

#include "kerfa_render_html/html_render/utils/escape.hpp"

namespace kerfa_render_html::html_render {

void RenderActualText::render(std::string_view text, std::string& out) const {
    utils::append_text_escaped(out, text);
}

}  // namespace kerfa_render_html::html_render
