#pragma once

#include <span>
#include <string>

#include "kerfa_content/modules/renderer/renderer.hpp"

namespace kerfa_render_markdown {

// Markdown: number-sign headings, "> " quotes, "-" and "N." lists, fenced code boxes, pipe
// tables (HTML tables where tables nest), check boxes, emphasis, links and images, and inline
// HTML for what Markdown has no syntax for. The document's metadata, name and source are not
// written. Holds no state; each rendering has its own.
class MarkdownRenderer final : public kerfa_content::modules::renderer::Renderer {
  public:
    std::string render(const kerfa_content::data::types::Document& document) const override;
    void render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                       std::string& out) const override;
    // The container as an item without neighbours.
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const override;
};

}  // namespace kerfa_render_markdown
