#pragma once

#include <span>
#include <string>

#include "kerfa_content/modules/renderer/renderer.hpp"

namespace kerfa_render_structure {

// The structure dump: an outline of the document model, one line per item, four blanks per level
// of nesting, each container followed by its metadata. Texts and values are written unescaped.
class StructureRenderer final : public kerfa_content::modules::renderer::Renderer {
  public:
    // The document line, then its metadata and its items one level deeper.
    std::string render(const kerfa_content::data::types::Document& document) const override;
    // The items' lines from the left margin.
    void render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                       std::string& out) const override;
    // The container's line from the left margin, then what it holds.
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const override;
};

}  // namespace kerfa_render_structure
