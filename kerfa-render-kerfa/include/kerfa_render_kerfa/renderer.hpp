#pragma once

#include <string>

#include "kerfa_render_core_static/renders/static_writer.hpp"

namespace kerfa_render_kerfa {

// The canonical Kerfa writer: every element under its full name, "<>" after each, values quoted
// and escaped so that the text reads back as the same document. Holds no state that a rendering
// changes; one writer may write any number of documents.
class Renderer final : public kerfa_render_core_static::renders::StaticWriter {
  public:
    Renderer();

  protected:
    // The document's metadata block comes first.
    void write_preamble(const kerfa_content::data::types::Document& document,
                        std::string& out) const override;
};

// The writer of conversion target 3, spelled out to tell it from the other writers.
using CanonicalRenderer = Renderer;

}  // namespace kerfa_render_kerfa
