#pragma once

#include <optional>
#include <span>
#include <string>

#include "kerfa_content/modules/renderer/renderer.hpp"

namespace kerfa_render_text {

// The headings list: one line per named section of the list given (nested containers are not
// looked into), a tab per level and the name trimmed of white space, lines joined by "\n" with no
// line feed after the last.
class HeadingRenderer final : public kerfa_content::modules::renderer::Renderer {
  public:
    std::string render(const kerfa_content::data::types::Document& document) const override;
    void render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                       std::string& out) const override;
    // The container as a list of one item.
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const override;
};

// The headings-list line of one item: only a section with a name has one.
std::optional<std::string> to_section_heading(const kerfa_content::data::structure::Data& item);

}  // namespace kerfa_render_text
