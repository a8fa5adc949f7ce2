#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// Raw HTML, the document's own markup, written unchanged.
class RenderActualHtml final : public kerfa_render_core_static::modules::RenderHtml {
  public:
    void render(std::string_view html, std::string& out) const override { out += html; }
};

}  // namespace kerfa_render_html::html_render
