#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

// Content, line and section components of the V1 writer.
namespace kerfa_render_kerfa_v1::kerfa_render {

namespace modules = kerfa_render_core_static::modules;

// "<c>[x]<>" or "<c>[ ]<>".
class RenderActualCheck final : public modules::RenderCheck {
  public:
    void render(bool checked, std::string& out) const override {
        out += checked ? "<c>[x]<>" : "<c>[ ]<>";
    }
};

// Forty hyphens.
class RenderActualDividerLine final : public modules::RenderDividerLine {
  public:
    void render(std::string& out) const override { out.append(40, '-'); }
};

// A backslash first when the text begins with "@" or "#", then the text with backslashes doubled
// and "<" escaped.
class RenderActualText final : public modules::RenderText {
  public:
    void render(std::string_view text, std::string& out) const override;
};

// Raw HTML folded into the text, in one pass: '"' as "<hq>", "<" as "<h>", ">" as "</h>", "\" as
// "\\".
class RenderActualHtml final : public modules::RenderHtml {
  public:
    void render(std::string_view html, std::string& out) const override;
};

// "<image", a blank and the path (between double quotes when it holds white space) when the
// source has one, ">".
class RenderActualImage final : public modules::RenderImage {
  public:
    void render(const modules::Source& source, std::string& out) const override;
};

// "#" level + 1 times and a blank, where the heading item stands.
class RenderActualHeading final : public modules::RenderHeading {
  public:
    void start(const modules::Heading& heading, std::string& out) const override;
    void end(const modules::Heading&, std::string&) const override {}
};

class RenderActualTagline final : public modules::RenderTagline {
  public:
    void start(std::string& out) const override { out += "@ "; }
    void end(std::string&) const override {}
};

class RenderActualLineBreak final : public modules::RenderLineBreak {
  public:
    void render(const modules::LineBreak& line_break, std::string& out) const override {
        out += line_break.carriage_return ? "\r\n" : "\n";
    }
};

// Sections are written by their items alone: no separators, no metadata.
class RenderActualSection final : public modules::RenderSection {
  public:
    void start(const modules::Section&, std::string&) const override {}
    void end(const modules::Section&, std::string&) const override {}
};

}  // namespace kerfa_render_kerfa_v1::kerfa_render
