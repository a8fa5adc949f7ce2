#include "kerfa_content/modules/renderer/renderer.hpp"

namespace kerfa_content::modules::renderer {

std::string Renderer::render_all(std::span<const data::structure::Data> items) const {
    std::string out;
    render_all_to(items, out);
    return out;
}

std::vector<std::string> Renderer::render_children(
    std::span<const data::structure::Data> items) const {
    std::vector<std::string> texts;
    for (const auto& item : items) {
        if (const auto* container = item.as_container()) {
            texts.push_back(render_container(*container));
        }
    }
    return texts;
}

std::string Renderer::render_container(const data::structure::Container& container) const {
    std::string out;
    render_container_to(container, out);
    return out;
}

}  // namespace kerfa_content::modules::renderer
