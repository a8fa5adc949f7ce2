#include "kerfa_render/section_component.hpp"

#include "kerfa_render/utils/metadata.hpp"
#include "kerfa_render_kerfa/utils/text.hpp"

namespace kerfa_render_kerfa::kerfa_render {

RenderActualSection::RenderActualSection() : write_metadata_(&utils::append_metadata) {}

void RenderActualSection::end(const Section& section, std::string& out) const {
    if (!section.metadata || section.metadata->is_empty()) {
        return;
    }
    // A line feed only where the content has not ended its line already: another one would
    // read back as one more empty line on every conversion.
    if (!kerfa_render_kerfa::utils::ends_in_line_end(out)) {
        out += '\n';
    }
    write_metadata_(*section.metadata, out);
}

}  // namespace kerfa_render_kerfa::kerfa_render
