#pragma once

#include <string>

#include "kerfa_render_core_static/renders/lookup_renderer.hpp"

namespace kerfa_render_kerfa {

// Kerfa with short element names ("<b>", "<*>", "<red>", "<check>", "<--->", "<meta>"); lines,
// texts, raw HTML, images, table entries and values are written as by the canonical writer.
class MinimalistRenderer final : public kerfa_render_core_static::renders::LookupRenderer {
  public:
    MinimalistRenderer();

  protected:
    // The document's metadata block, "<meta>", comes first.
    void document_start(const kerfa_content::data::types::Document& document,
                        std::string& out) const override;
};

}  // namespace kerfa_render_kerfa
