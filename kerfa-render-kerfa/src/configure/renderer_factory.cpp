#include "kerfa_render_kerfa/configure/renderer_factory.hpp"

#include "kerfa_render_kerfa/renderer.hpp"

namespace kerfa_render_kerfa::configure {

std::unique_ptr<kerfa_content::modules::renderer::Renderer> RendererFactory::renderer() const {
    return setup.wrap(std::make_unique<kerfa_render_kerfa::Renderer>());
}

}  // namespace kerfa_render_kerfa::configure
