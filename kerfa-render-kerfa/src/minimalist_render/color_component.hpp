#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_kerfa::minimalist_render {

using kerfa_render_core_static::modules::PropertyElement;

// A colour span with the colour as its tag: "<red>" ... "<>", "<#abc>" ... "<>", further values
// after a blank each. A span whose first value could not be read back from a tag (no value, a
// value of four or eight digits, a value that is no colour) is written "<color" and its values.
class RenderActualColor final : public kerfa_render_core_static::modules::RenderProperty {
  public:
    std::string debug_text() const override { return "RenderActualColor"; }
    void start(const PropertyElement& element, std::string& out) const override;
    void start_with_content(const PropertyElement& element, std::string_view content,
                            std::string& out) const override;
    void end(const PropertyElement& element, std::string& out) const override;
    bool uses_content() const override { return false; }
};

}  // namespace kerfa_render_kerfa::minimalist_render
