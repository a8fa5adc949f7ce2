#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// A tagline: "<span class="tagline">" ... "</span>" around the rest of its line.
class RenderActualTagline final : public kerfa_render_core_static::modules::RenderTagline {
  public:
    void start(std::string& out) const override { out += "<span class=\"tagline\">"; }
    void end(std::string& out) const override { out += "</span>"; }
};

}  // namespace kerfa_render_html::html_render
