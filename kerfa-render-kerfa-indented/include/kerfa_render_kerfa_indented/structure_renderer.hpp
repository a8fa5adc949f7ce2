#pragma once

#include <span>
#include <string>

#include "kerfa_content/modules/renderer/renderer.hpp"

namespace kerfa_render_kerfa_indented {

// The indented view of a document's Kerfa structure, for debugging: every block and span opens a
// line of its own, its content follows one level deeper, and a closing line says which line it
// closes. Spans never closed, terminators that close nothing and invalid elements are noted at
// the right of their lines.
class StructureRenderer final : public kerfa_content::modules::renderer::Renderer {
  public:
    // The document's metadata block, then its items; its id, name and source are not shown.
    std::string render(const kerfa_content::data::types::Document& document) const override;
    void render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                       std::string& out) const override;
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const override;
};

}  // namespace kerfa_render_kerfa_indented
