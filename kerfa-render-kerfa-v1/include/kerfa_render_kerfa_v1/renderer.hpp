#pragma once

#include "kerfa_render_core_static/renders/lookup_renderer.hpp"

namespace kerfa_render_kerfa_v1 {

// Kerfa in the V1 form: its own element names ("<*>", "<cb>", "<in-2>", "<c>[x]<>"), links with
// a quoted, percent-encoded target, raw HTML folded into the text. Lossy by design: no metadata,
// no section separators, attribute texts unescaped, coordinates and fixed spans without markup;
// what it writes does not read back as the same document.
class Renderer final : public kerfa_render_core_static::renders::LookupRenderer {
  public:
    Renderer();
};

}  // namespace kerfa_render_kerfa_v1
