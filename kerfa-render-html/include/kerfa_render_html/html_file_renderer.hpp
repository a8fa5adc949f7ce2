#pragma once

#include <cstddef>
#include <string>

#include "kerfa_render_core_static/renders/lookup_renderer.hpp"

namespace kerfa_render_html {

// The HTML component set, with `image_path_prefix` before every image path that is not a web
// address, wrapped as a lookup without alternates.
kerfa_render_core_static::renders::RendererLookup new_renders_lookup(std::string image_path_prefix);

// Writes a standalone HTML page: a fixed head with the embedded style sheet, and a body holding
// the items (or the container) written. Made for one document, since images are looked for in a
// folder named after it. A document's name, id and metadata are not written.
class HtmlFileRenderer final : public kerfa_render_core_static::renders::LookupRenderer {
  public:
    explicit HtmlFileRenderer(std::string image_path_prefix);

    // Images relative to the page go into the folder named by the stem of the document's source
    // ("Trip plan.kerfa" gives "Trip plan/"); a source without a name gives no folder.
    static HtmlFileRenderer from_document(const kerfa_content::data::types::Document& document);

  protected:
    void around_start(std::string& out) const override;
    void around_end(std::string& out) const override;
    std::size_t size_hint(const kerfa_content::data::types::Document& document) const override;
};

}  // namespace kerfa_render_html
