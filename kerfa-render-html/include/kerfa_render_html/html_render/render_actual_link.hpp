#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

// A web link: "<a class="link" href="TARGET">" ... "</a>", TARGET being the first attribute's
// text, or the span's text when the element stands in for its value with it. A target whose
// scheme would run a script (javascript:, vbscript:, data:) is dropped with its href, so the
// anchor keeps only its class and content.
class RenderActualLink final : public kerfa_render_core_static::modules::RenderProperty {
  public:
    std::string debug_text() const override { return "RenderActualLink"; }
    void start(const kerfa_render_core_static::modules::PropertyElement& element,
               std::string& out) const override;
    void start_with_content(const kerfa_render_core_static::modules::PropertyElement& element,
                            std::string_view content, std::string& out) const override;
    void end(const kerfa_render_core_static::modules::PropertyElement& element,
             std::string& out) const override;
    bool uses_content() const override { return true; }

    // The opening tag for a target.
    static void append_anchor(std::string& out, std::string_view target);
};

}  // namespace kerfa_render_html::html_render
