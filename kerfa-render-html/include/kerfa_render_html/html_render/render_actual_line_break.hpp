#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// "\n", or "\r\n" for a line end that held a carriage return; sections keep line feeds on the
// page.
class RenderActualLineBreak final : public kerfa_render_core_static::modules::RenderLineBreak {
  public:
    void render(const kerfa_render_core_static::modules::LineBreak& line_break,
                std::string& out) const override {
        out += line_break.carriage_return ? "\r\n" : "\n";
    }
};

}  // namespace kerfa_render_html::html_render
