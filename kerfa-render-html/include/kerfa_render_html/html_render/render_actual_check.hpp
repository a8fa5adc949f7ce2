#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// "<input type="checkbox">", with " checked" before the ">" when checked.
class RenderActualCheck final : public kerfa_render_core_static::modules::RenderCheck {
  public:
    void render(bool checked, std::string& out) const override {
        out += checked ? "<input type=\"checkbox\" checked>" : "<input type=\"checkbox\">";
    }
};

}  // namespace kerfa_render_html::html_render
