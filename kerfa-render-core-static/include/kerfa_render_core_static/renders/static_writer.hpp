#pragma once

#include <span>
#include <string>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/renderer/renderer.hpp"
#include "kerfa_render_core_static/renders/renderer_lookup.hpp"

namespace kerfa_render_core_static::renders {

// A writer that is nothing but its lookup: items and containers are walked with it, and a
// document is whatever the writer puts before its items (write_preamble), then its items. Its
// id, name and source are not written.
class StaticWriter : public kerfa_content::modules::renderer::Renderer {
  public:
    explicit StaticWriter(RendererLookup lookup) : lookup_(std::move(lookup)) {}

    std::string render(const kerfa_content::data::types::Document& document) const final;
    void render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                       std::string& out) const final;
    // The container alone, as having no neighbours.
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const final;

    const RendererLookup& lookup() const { return lookup_; }

  protected:
    // What comes before a document's items; nothing unless a writer says.
    virtual void write_preamble(const kerfa_content::data::types::Document& /*document*/,
                                std::string& /*out*/) const {}

  private:
    RendererLookup lookup_;
};

}  // namespace kerfa_render_core_static::renders
