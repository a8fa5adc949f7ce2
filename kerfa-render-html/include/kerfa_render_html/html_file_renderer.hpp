#pragma once

#include <span>
#include <string>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/renderer/renderer.hpp"
#include "kerfa_render_core_static/renders/renderer_lookup.hpp"

namespace kerfa_render_html {

// The HTML component set, with `image_path_prefix` before every image path that is not a web
// address, wrapped as a lookup without alternates.
kerfa_render_core_static::renders::RendererLookup new_renders_lookup(std::string image_path_prefix);

// Writes a standalone HTML page: a fixed head with the embedded style sheet, and a body holding
// the items. Made for one document, since images are looked for in a folder named after it.
class HtmlFileRenderer final : public kerfa_content::modules::renderer::Renderer {
  public:
    explicit HtmlFileRenderer(std::string image_path_prefix);

    // Images relative to the page go into the folder named by the stem of the document's source
    // ("Trip plan.kerfa" gives "Trip plan/"); a source without a name gives no folder.
    static HtmlFileRenderer from_document(const kerfa_content::data::types::Document& document);

    // A page holding the document's children; its name, id and metadata are not written.
    std::string render(const kerfa_content::data::types::Document& document) const override;

    // Appends one complete page whose body holds the items.
    void render_all_to(std::span<const kerfa_content::data::structure::Data> items,
                       std::string& out) const override;

    // Appends one complete page whose body holds the container alone.
    void render_container_to(const kerfa_content::data::structure::Container& container,
                             std::string& out) const override;

    const kerfa_render_core_static::renders::RendererLookup& lookup() const { return lookup_; }

  private:
    kerfa_render_core_static::renders::RendererLookup lookup_;
};

}  // namespace kerfa_render_html
