#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// Heading lines: "<h1>" to "<h6>" for the levels 0 to 5, "<b>" for level 6, no tags above; the
// heading's text is written between the tags by the text component.
class RenderActualHeading final : public kerfa_render_core_static::modules::RenderHeading {
  public:
    void start(const kerfa_render_core_static::modules::Heading& heading,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Heading& heading,
             std::string& out) const override;
};

}  // namespace kerfa_render_html::html_render
