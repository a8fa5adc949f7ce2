#include "kerfa_render_html/html_render/render_actual_indent.hpp"

#include "kerfa_render_html/html_render/utils/numbers.hpp"

namespace kerfa_render_html::html_render {

namespace modules = kerfa_render_core_static::modules;
using kerfa_content::data::attributes::Attribute;

void RenderActualIndent::start(const modules::Block& block, std::string& out) const {
    std::int64_t margin = 1;
    if (block.attributes && !block.attributes->empty()) {
        if (const auto* integer = std::get_if<Attribute::Integer>(&block.attributes->front())) {
            margin = integer->value;
        }
    }
    out += "<div class=\"indent\" style=\"margin-left: ";
    utils::append_integer(out, margin);
    out += "em;\">";
}

void RenderActualIndent::end(const modules::Block&, std::string& out) const {
    out += "</div>";
}

}  // namespace kerfa_render_html::html_render
