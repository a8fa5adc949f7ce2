#pragma once

#include <memory>

#include "kerfa_content/modules/factory_setup.hpp"
#include "kerfa_content/modules/renderer/renderer.hpp"

namespace kerfa_render_kerfa::configure {

// Hands out the canonical Kerfa writer behind the writer interface, wrapped as the setup asks.
struct RendererFactory {
    kerfa_content::modules::FactorySetup setup;

    // The canonical writer (not the minimalist one), in a meter when the setup holds a metrics
    // store, then in a trace when tracing is on.
    std::unique_ptr<kerfa_content::modules::renderer::Renderer> renderer() const;
    std::unique_ptr<kerfa_content::modules::renderer::Renderer> min_renderer() const {
        return renderer();
    }
};

}  // namespace kerfa_render_kerfa::configure
