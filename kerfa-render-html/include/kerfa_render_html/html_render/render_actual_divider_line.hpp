#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// "<hr>".
class RenderActualDividerLine final : public kerfa_render_core_static::modules::RenderDividerLine {
  public:
    void render(std::string& out) const override { out += "<hr>"; }
};

}  // namespace kerfa_render_html::html_render
