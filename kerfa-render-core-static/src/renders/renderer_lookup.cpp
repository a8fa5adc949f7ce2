#include "kerfa_render_core_static/renders/renderer_lookup.hpp"

#include <algorithm>

#include <fmt/format.h>

#include "shared/utils/fault.hpp"

namespace kerfa_render_core_static::renders {

RendererLookup RendererLookup::create(ComponentSet default_renderer,
                                      std::vector<ComponentSet> renderers,
                                      const std::vector<Entry>& entries) {
    std::vector<std::optional<std::size_t>> lookup;
    if (!entries.empty()) {
        std::size_t largest = 0;
        for (const Entry& entry : entries) {
            largest = std::max<std::size_t>(largest, entry.block_id);
        }
        lookup.assign(largest + 1, std::nullopt);
        for (const Entry& entry : entries) {
            lookup[entry.block_id] = entry.alternate;
        }
    }
    return RendererLookup{std::move(default_renderer), std::move(renderers), std::move(lookup)};
}

const ComponentSet& RendererLookup::set_for(std::optional<std::size_t> alternate) const {
    if (!alternate) {
        return default_renderer;
    }
    if (*alternate >= renderers.size()) {
        shared::utils::internal_fault(fmt::format("Renderer index {} is out of range (0 - {}).",
                                                  *alternate,
                                                  static_cast<long long>(renderers.size()) - 1));
    }
    return renderers[*alternate];
}

}  // namespace kerfa_render_core_static::renders
