#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kerfa_render_core_static/components/render_part.hpp"
#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_core_static::components {

// A block component made of four templates: start, end, and the separators before and after.
class RenderElementBlock final : public modules::RenderBlock {
  public:
    RenderElementBlock(std::vector<RenderPart> start, std::vector<RenderPart> end,
                       std::vector<RenderPart> separator_start = {},
                       std::vector<RenderPart> separator_end = {})
        : start_(std::move(start)),
          end_(std::move(end)),
          separator_start_(std::move(separator_start)),
          separator_end_(std::move(separator_end)) {}

    std::string debug_text() const override;
    void start(const modules::Block& block, std::string& out) const override;
    void end(const modules::Block& block, std::string& out) const override;
    void between_start(const modules::Block& block, std::string& out) const override;
    void between_end(const modules::Block& block, std::string& out) const override;

    // Moves it into a table slot.
    std::unique_ptr<modules::RenderBlock> boxed() && {
        return std::make_unique<RenderElementBlock>(std::move(*this));
    }

  private:
    std::vector<RenderPart> start_;
    std::vector<RenderPart> end_;
    std::vector<RenderPart> separator_start_;
    std::vector<RenderPart> separator_end_;
};

}  // namespace kerfa_render_core_static::components
