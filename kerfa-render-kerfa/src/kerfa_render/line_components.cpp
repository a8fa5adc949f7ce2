#include "kerfa_render/line_components.hpp"

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_render_kerfa/utils/text.hpp"

namespace kerfa_render_kerfa::kerfa_render {

namespace {

void heading_signs(const Heading& heading, std::string& out) {
    // The level is 8-bit: level 255 is written with 256 number signs.
    out.append(static_cast<std::size_t>(heading.level) + 1, '#');
    out += ' ';
}

}  // namespace

void RenderActualHeading::start(const Heading& heading, std::string& out) const {
    if (!out.empty() && !kerfa_render_kerfa::utils::ends_in_line_end(out)) {
        out += '\n';
    }
    heading_signs(heading, out);
}

void RenderActualHeading::start_at(const Heading& heading, const LinePlace& place,
                                   std::string& out) const {
    if (place.holder == nullptr) {
        start(heading, out);
        return;
    }
    if (out.empty() || kerfa_render_kerfa::utils::ends_in_line_end(out)) {
        out += '\\';
    }
    heading_signs(heading, out);
}

void RenderActualLineBreak::render_at(const LineBreak& line_break, const LinePlace& place,
                                      std::string& out) const {
    if (place.holder != nullptr && !place.in_span &&
        place.holder->id == kerfa_content::data::kinds::block_kind::BULLET_ENTRY) {
        out += line_break.carriage_return ? "\\r\\n" : "\\n";
        return;
    }
    render(line_break, out);
}

}  // namespace kerfa_render_kerfa::kerfa_render
