#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// A list: "<ul ...>" or "<ol ...>" by the bullet style of the block's first attribute, with the
// start number of the second attribute for numbered styles; "<ul class="default">" when the
// first attribute is no bullet style.
class RenderActualBullet final : public kerfa_render_core_static::modules::RenderBlock {
  public:
    std::string debug_text() const override { return "RenderActualBullet"; }
    void start(const kerfa_render_core_static::modules::Block& block,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Block& block,
             std::string& out) const override;
};

}  // namespace kerfa_render_html::html_render
