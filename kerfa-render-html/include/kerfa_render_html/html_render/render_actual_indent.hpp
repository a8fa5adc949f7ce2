#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// "<div class="indent" style="margin-left: Nem;">" ... "</div>": N is the block's first attribute
// when it is an integer, else 1.
class RenderActualIndent final : public kerfa_render_core_static::modules::RenderBlock {
  public:
    std::string debug_text() const override { return "RenderActualIndent"; }
    void start(const kerfa_render_core_static::modules::Block& block,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Block& block,
             std::string& out) const override;
};

}  // namespace kerfa_render_html::html_render
