#include "kerfa_render_core_static/components/render_element_block.hpp"

#include <fmt/format.h>

namespace kerfa_render_core_static::components {

std::string RenderElementBlock::debug_text() const {
    return fmt::format(
        "RenderElementBlock {{ start: {}, end: {}, separator_start: {}, separator_end: {} }}",
        debug_parts(start_), debug_parts(end_), debug_parts(separator_start_),
        debug_parts(separator_end_));
}

void RenderElementBlock::start(const modules::Block& block, std::string& out) const {
    render_parts(start_, block.attributes, out);
}

void RenderElementBlock::end(const modules::Block& block, std::string& out) const {
    render_parts(end_, block.attributes, out);
}

void RenderElementBlock::between_start(const modules::Block& block, std::string& out) const {
    render_parts(separator_start_, block.attributes, out);
}

void RenderElementBlock::between_end(const modules::Block& block, std::string& out) const {
    render_parts(separator_end_, block.attributes, out);
}

}  // namespace kerfa_render_core_static::components
