#pragma once

#include <memory>

#include "kerfa_content/modules/renderer/renderer.hpp"
#include "shared/components/metrics.hpp"

namespace kerfa_content::modules::renderer {

// Records every call's duration in the shared store as "renderer.<operation>".
class RendererMeter final : public Renderer {
  public:
    RendererMeter(std::unique_ptr<Renderer> inner, shared::components::MetricsArc metrics);

    std::string render(const data::types::Document& document) const override;
    std::string render_all(std::span<const data::structure::Data> items) const override;
    void render_all_to(std::span<const data::structure::Data> items,
                       std::string& out) const override;
    std::vector<std::string> render_children(
        std::span<const data::structure::Data> items) const override;
    std::string render_container(const data::structure::Container& container) const override;
    void render_container_to(const data::structure::Container& container,
                             std::string& out) const override;

    const Renderer& inner() const { return *inner_; }

  private:
    std::unique_ptr<Renderer> inner_;
    shared::components::MetricsArc metrics_;
};

}  // namespace kerfa_content::modules::renderer
