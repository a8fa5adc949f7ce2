#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kerfa_render_core_static/components/render_part.hpp"
#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_core_static::components {

// A property component made of two templates, start and end.
class RenderElementProperty final : public modules::RenderProperty {
  public:
    RenderElementProperty(std::vector<RenderPart> start, std::vector<RenderPart> end);

    std::string debug_text() const override;
    void start(const modules::PropertyElement& element, std::string& out) const override;
    void start_with_content(const modules::PropertyElement& element, std::string_view content,
                            std::string& out) const override;
    void end(const modules::PropertyElement& element, std::string& out) const override;
    // Only an AttributeOrContent part in start reads the content.
    bool uses_content() const override { return uses_content_; }

    std::unique_ptr<modules::RenderProperty> boxed() && {
        return std::make_unique<RenderElementProperty>(std::move(*this));
    }

  private:
    std::vector<RenderPart> start_;
    std::vector<RenderPart> end_;
    bool uses_content_;
};

}  // namespace kerfa_render_core_static::components
