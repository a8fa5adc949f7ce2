#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

// Heading lines, taglines and line breaks of the HTML page.
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

// A tagline: "<span class="tagline">" ... "</span>" around the rest of its line.
class RenderActualTagline final : public kerfa_render_core_static::modules::RenderTagline {
  public:
    void start(std::string& out) const override { out += "<span class=\"tagline\">"; }
    void end(std::string& out) const override { out += "</span>"; }
};

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
