#include "kerfa_render/line_components.hpp"

#include "kerfa_render_kerfa/utils/text.hpp"

namespace kerfa_render_kerfa::kerfa_render {

void RenderActualHeading::start(const Heading& heading, std::string& out) const {
    if (!out.empty() && !kerfa_render_kerfa::utils::ends_in_line_end(out)) {
        out += '\n';
    }
    // The level is 8-bit: level 255 is written with 256 number signs.
    out.append(static_cast<std::size_t>(heading.level) + 1, '#');
    out += ' ';
}

}  // namespace kerfa_render_kerfa::kerfa_render
