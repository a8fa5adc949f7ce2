#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_kerfa::kerfa_render {

using kerfa_render_core_static::modules::Heading;
using kerfa_render_core_static::modules::LineBreak;

// "#" level + 1 times and a blank. A heading reads as one only at the start of a line, so one
// that follows a closed element on the same line gets a line feed first.
class RenderActualHeading final : public kerfa_render_core_static::modules::RenderHeading {
  public:
    void start(const Heading& heading, std::string& out) const override;
    void end(const Heading&, std::string&) const override {}
};

// "@" and a blank.
class RenderActualTagline final : public kerfa_render_core_static::modules::RenderTagline {
  public:
    void start(std::string& out) const override { out += "@ "; }
    void end(std::string&) const override {}
};

// A line feed, or a carriage return and a line feed.
class RenderActualLineBreak final : public kerfa_render_core_static::modules::RenderLineBreak {
  public:
    void render(const LineBreak& line_break, std::string& out) const override {
        out += line_break.carriage_return ? "\r\n" : "\n";
    }
};

}  // namespace kerfa_render_kerfa::kerfa_render
