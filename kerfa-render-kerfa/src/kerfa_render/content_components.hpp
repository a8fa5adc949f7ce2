#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_kerfa::kerfa_render {

using kerfa_render_core_static::modules::Source;

// "<checkbox>" or "<checkbox true>", under the element name given.
class RenderActualCheck final : public kerfa_render_core_static::modules::RenderCheck {
  public:
    explicit RenderActualCheck(std::string name = "checkbox") : name_(std::move(name)) {}

    void render(bool checked, std::string& out) const override {
        out += '<';
        out += name_;
        out += checked ? " true>" : ">";
    }

  private:
    std::string name_;
};

// "<divider-line>", or the element given.
class RenderActualDividerLine final : public kerfa_render_core_static::modules::RenderDividerLine {
  public:
    explicit RenderActualDividerLine(std::string element = "<divider-line>")
        : element_(std::move(element)) {}

    void render(std::string& out) const override { out += element_; }

  private:
    std::string element_;
};

// Text with backslashes doubled and "<" escaped; a backslash first when it begins with "#" or
// "@", which would start a heading or tagline at the start of a line.
class RenderActualText final : public kerfa_render_core_static::modules::RenderText {
  public:
    void render(std::string_view text, std::string& out) const override;
};

// "<html-block>", the escaped HTML, "<>". In a section, a line end that ends the HTML is written
// after the terminator instead, where it reads back as a line break with the same page; inside,
// the line feed a following heading needs would make one line more.
class RenderActualHtml final : public kerfa_render_core_static::modules::RenderHtml {
  public:
    void render(std::string_view html, std::string& out) const override;
    void render_at(std::string_view html, const kerfa_render_core_static::modules::LinePlace& place,
                   std::string& out) const override;
};

// "<image" and the path as a value, ">"; "<image>" for a source without a path. An empty path is
// written "" so that it stays a path.
class RenderActualImage final : public kerfa_render_core_static::modules::RenderImage {
  public:
    void render(const Source& source, std::string& out) const override;
};

}  // namespace kerfa_render_kerfa::kerfa_render
