#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// "<section id="ID">" ... "</section>", ID being the section's number in its parse; nothing
// between sections.
class RenderActualSection final : public kerfa_render_core_static::modules::RenderSection {
  public:
    void start(const kerfa_render_core_static::modules::Section& section,
               std::string& out) const override;
    void end(const kerfa_render_core_static::modules::Section&, std::string& out) const override {
        out += "</section>";
    }
};

}  // namespace kerfa_render_html::html_render
