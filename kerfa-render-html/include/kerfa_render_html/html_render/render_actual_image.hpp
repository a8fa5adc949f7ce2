#pragma once

#include <string>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_html::html_render {

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

}  // namespace kerfa_render_html::html_render
