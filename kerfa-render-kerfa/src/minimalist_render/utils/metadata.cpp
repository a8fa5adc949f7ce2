#include "minimalist_render/utils/metadata.hpp"

#include "kerfa_render/utils/metadata.hpp"

namespace kerfa_render_kerfa::minimalist_render::utils {

void append_metadata(const kerfa_content::types::Metadata& metadata, std::string& out) {
    kerfa_render::utils::append_metadata_block("meta", metadata, out);
}

}  // namespace kerfa_render_kerfa::minimalist_render::utils
