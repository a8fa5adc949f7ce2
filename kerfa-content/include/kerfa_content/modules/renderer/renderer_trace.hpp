#pragma once

#include <memory>

#include "kerfa_content/modules/renderer/renderer.hpp"

namespace kerfa_content::modules::renderer {

// Logs entry and exit (with the duration) of every call through the trace log.
class RendererTrace final : public Renderer {
  public:
    explicit RendererTrace(std::unique_ptr<Renderer> inner);

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
};

}  // namespace kerfa_content::modules::renderer
