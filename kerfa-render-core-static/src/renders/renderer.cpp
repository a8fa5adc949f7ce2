#include "kerfa_render_core_static/renders/renderer.hpp"

#include <fmt/format.h>

#include "shared/utils/fault.hpp"

namespace kerfa_render_core_static::renders {

namespace {

// The highest valid index, as a signed number so that an empty table shows -1.
long long highest_index(std::size_t size) {
    return static_cast<long long>(size) - 1;
}

}  // namespace

const modules::RenderBlock& Renderer::block(std::size_t id) const {
    if (id >= blocks.size()) {
        shared::utils::internal_fault(
            fmt::format("Block id {} is out of range (0 - {}).", id, highest_index(blocks.size())));
    }
    if (!blocks[id]) {
        shared::utils::internal_fault(fmt::format("Block id {} has no component.", id));
    }
    return *blocks[id];
}

const modules::RenderProperty& Renderer::property(std::size_t id) const {
    if (id >= properties.size()) {
        shared::utils::internal_fault(fmt::format("ElementProperty id {} is out of range (0 - {}).",
                                                  id, highest_index(properties.size())));
    }
    if (!properties[id]) {
        shared::utils::internal_fault(fmt::format("ElementProperty id {} has no component.", id));
    }
    return *properties[id];
}

}  // namespace kerfa_render_core_static::renders
