#pragma once

#include <string>

#include "kerfa_render_core_static/renders/lookup_renderer.hpp"

namespace kerfa_render_kerfa {

// The canonical Kerfa writer: every element under its full name, "<>" after each, values quoted
// and escaped so that the text reads back as the same document. Holds no state that a rendering
// changes; one writer may write any number of documents. A document's metadata block comes
// before its items; its id, name and source are not written.
class Renderer final : public kerfa_render_core_static::renders::LookupRenderer {
  public:
    Renderer();

  protected:
    void document_start(const kerfa_content::data::types::Document& document,
                        std::string& out) const override;
};

// The writer of conversion target 3, spelled out to tell it from the other writers.
using CanonicalRenderer = Renderer;

}  // namespace kerfa_render_kerfa
