#pragma once

#include <span>
#include <string>

#include "kerfa_content/modules/renderer/renderer.hpp"
#include "kerfa_render_core_static/renders/renderer_lookup.hpp"

namespace kerfa_render_kerfa {

// The canonical Kerfa writer: every element under its full name, "<>" after each, values quoted
// and escaped so that the text reads back as the same document. Holds no state that a rendering
// changes; one writer may write any number of documents.
class Renderer final : public kerfa_content::modules::renderer::Renderer {
  public:
    Renderer();

    // The document's metadata block, then its items; its id, name and source are not written.
    std::string render(const kerfa_content::data::types::Document& document) const override;
    void render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                       std::string& out) const override;
    // The container alone, as having no neighbours.
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const override;

    const kerfa_render_core_static::renders::RendererLookup& lookup() const { return lookup_; }

  private:
    kerfa_render_core_static::renders::RendererLookup lookup_;
};

// The writer of conversion target 3, spelled out to tell it from the other writers.
using CanonicalRenderer = Renderer;

}  // namespace kerfa_render_kerfa
