#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_kerfa::kerfa_render {

using kerfa_render_core_static::modules::Heading;
using kerfa_render_core_static::modules::LineBreak;
using kerfa_render_core_static::modules::LinePlace;

// "#" level + 1 times and a blank. A heading reads as one only at the start of a line, so one
// in a section that follows a closed element on the same line gets a line feed first. Inside a
// block a heading line would end the section, and the block with it, so there it is kept as the
// text it shows: no line feed, and a backslash before it where it would start a line.
class RenderActualHeading final : public kerfa_render_core_static::modules::RenderHeading {
  public:
    void start(const Heading& heading, std::string& out) const override;
    void start_at(const Heading& heading, const LinePlace& place, std::string& out) const override;
    void end(const Heading&, std::string&) const override {}
};

// "@" and a blank.
class RenderActualTagline final : public kerfa_render_core_static::modules::RenderTagline {
  public:
    void start(std::string& out) const override { out += "@ "; }
    void end(std::string&) const override {}
};

// A line feed, or a carriage return and a line feed. Directly in a list entry and outside every
// span, where a line end would end the entry, they are escaped: the entry then reads back as
// one, with the same page.
class RenderActualLineBreak final : public kerfa_render_core_static::modules::RenderLineBreak {
  public:
    void render(const LineBreak& line_break, std::string& out) const override {
        out += line_break.carriage_return ? "\r\n" : "\n";
    }
    void render_at(const LineBreak& line_break, const LinePlace& place,
                   std::string& out) const override;
};

}  // namespace kerfa_render_kerfa::kerfa_render
