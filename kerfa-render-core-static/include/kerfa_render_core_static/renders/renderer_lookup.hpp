#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_render_core_static/renders/renderer.hpp"

namespace kerfa_render_core_static::renders {

// A writer's whole state: the default component set, alternate sets, and per block id the set
// to use for the children of a block of that id.
struct RendererLookup {
    // An alternate set index (or none for the default) for the children of one block kind.
    struct Entry {
        std::optional<std::size_t> alternate;
        kerfa_content::data::kinds::BlockKind block_id;
    };

    ComponentSet default_renderer;
    std::vector<ComponentSet> renderers;
    // Indexed by block id; none, or an id past the end, means the default set.
    std::vector<std::optional<std::size_t>> lookup;
    // When set, a heading or tagline line replaced by the next one without a line break gets
    // its end first (the HTML page writer sets it, so no heading tag stays open).
    bool close_replaced_lines = false;

    // Later entries for one block id overwrite earlier ones.
    static RendererLookup create(ComponentSet default_renderer, std::vector<ComponentSet> renderers,
                                 const std::vector<Entry>& entries);

    // The set in use for a list walked with this alternate; an index past `renderers` is an
    // internal fault.
    const ComponentSet& set_for(std::optional<std::size_t> alternate) const;

    // The alternate for the children of a block of this id.
    std::optional<std::size_t> alternate_for(std::size_t block_id) const {
        return block_id < lookup.size() ? lookup[block_id] : std::nullopt;
    }
};

}  // namespace kerfa_render_core_static::renders
