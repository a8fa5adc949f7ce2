#pragma once

#include <string>
#include <string_view>

#include "kerfa_render_core_static/modules/components.hpp"

// Content components of the HTML page.
namespace kerfa_render_html::html_render {

// "<input type="checkbox">", with " checked" before the ">" when checked.
class RenderActualCheck final : public kerfa_render_core_static::modules::RenderCheck {
  public:
    void render(bool checked, std::string& out) const override {
        out += checked ? "<input type=\"checkbox\" checked>" : "<input type=\"checkbox\">";
    }
};

// "<hr>".
class RenderActualDividerLine final : public kerfa_render_core_static::modules::RenderDividerLine {
  public:
    void render(std::string& out) const override { out += "<hr>"; }
};

// Raw HTML, the document's own markup, written unchanged.
class RenderActualHtml final : public kerfa_render_core_static::modules::RenderHtml {
  public:
    void render(std::string_view html, std::string& out) const override { out += html; }
};

// "<img src="PATH" />". A path that starts with "http://" or "https://" (lower case) is written
// as it is; any other gets `path_prefix` in front (the document's folder of images). Both are
// escaped for the attribute. An image without a path writes nothing.
class RenderActualImage final : public kerfa_render_core_static::modules::RenderImage {
  public:
    explicit RenderActualImage(std::string path_prefix) : path_prefix_(std::move(path_prefix)) {}

    void render(const kerfa_render_core_static::modules::Source& source,
                std::string& out) const override;

    const std::string& path_prefix() const { return path_prefix_; }

  private:
    std::string path_prefix_;
};

// Text with "&", "<" and ">" escaped; quotes stay.
class RenderActualText final : public kerfa_render_core_static::modules::RenderText {
  public:
    void render(std::string_view text, std::string& out) const override;
};

}  // namespace kerfa_render_html::html_render
