#include "kerfa_render_html/html_render/render_actual_text.hpp"

#include "shared/utils/html.hpp"

namespace kerfa_render_html::html_render {

void RenderActualText::render(std::string_view text, std::string& out) const {
    shared::utils::append_html_text(out, text);
}

}  // namespace kerfa_render_html::html_render
