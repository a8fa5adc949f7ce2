#pragma once

#include <span>
#include <string>

#include "kerfa_content/modules/renderer/renderer.hpp"

namespace kerfa_render_text {

// Plain text: markup dropped, structure kept as line breaks, two-space indentation, list labels,
// tab-separated table cells and blank lines around quotes, cards and code boxes. The document's
// metadata, name and source are not written. Holds no state; each rendering has its own.
class TextRenderer final : public kerfa_content::modules::renderer::Renderer {
  public:
    std::string render(const kerfa_content::data::types::Document& document) const override;
    void render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                       std::string& out) const override;
    // The container as an item without neighbours.
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const override;
};

}  // namespace kerfa_render_text
