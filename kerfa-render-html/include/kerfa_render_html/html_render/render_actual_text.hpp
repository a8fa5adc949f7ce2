#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// Text with "&", "<" and ">" escaped; quotes stay.
class RenderActualText final : public kerfa_render_core_static::modules::RenderText {
  public:
    void render(std::string_view text, std::string& out) const override;
};

}  // namespace kerfa_render_html::html_render
