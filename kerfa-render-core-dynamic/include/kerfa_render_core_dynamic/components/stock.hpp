#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "kerfa_content/data/types/block.hpp"
#include "kerfa_render_core_dynamic/components/render_part.hpp"
#include "kerfa_render_core_dynamic/modules/components.hpp"

// The stock components that factories hand out as they are.
namespace kerfa_render_core_dynamic::components {

// A block written by a template against its own attributes. Borrows both; the block outlives the
// walk of its children and the template lives as long as its writer.
class WrappedElementBlock final : public modules::RenderBlock {
  public:
    WrappedElementBlock(const kerfa_content::data::types::Block& block,
                        const RenderElementBlock& render)
        : block_(&block), render_(&render) {}

    std::string debug_text() const override;
    void start(std::string& out) const override {
        render_parts(render_->start, block_->attributes, out);
    }
    void end(std::string& out) const override {
        render_parts(render_->end, block_->attributes, out);
    }
    void between_start(std::string& out) const override {
        render_parts(render_->separator_start, block_->attributes, out);
    }
    void between_end(std::string& out) const override {
        render_parts(render_->separator_end, block_->attributes, out);
    }

    std::unique_ptr<modules::RenderBlock> boxed() const {
        return std::make_unique<WrappedElementBlock>(*this);
    }

  private:
    const kerfa_content::data::types::Block* block_;
    const RenderElementBlock* render_;
};

class RenderNoopBlock final : public modules::RenderBlock {
  public:
    std::string debug_text() const override { return "RenderNoopBlock"; }
    void start(std::string&) const override {}
    void end(std::string&) const override {}
    void between_start(std::string&) const override {}
    void between_end(std::string&) const override {}

    static std::unique_ptr<modules::RenderBlock> boxed() {
        return std::make_unique<RenderNoopBlock>();
    }
};

class RenderNoopProperty final : public modules::RenderProperty {
  public:
    std::string debug_text() const override { return "RenderNoopProperty"; }
    void start(std::string&) const override {}
    void start_with_content(std::string_view, std::string&) const override {}
    void end(std::string&) const override {}

    static std::unique_ptr<modules::RenderProperty> boxed() {
        return std::make_unique<RenderNoopProperty>();
    }
};

}  // namespace kerfa_render_core_dynamic::components
