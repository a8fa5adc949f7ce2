#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_render_core_static/renders/renderer_lookup.hpp"

namespace kerfa_render_core_static::components {

// The walker of one item list. Nested lists (a block's, a section's or a document's children)
// are walked with the one tree walk of kerfa_content, each with its own state, so the depth of a
// document costs heap, never call stack; the components are called exactly as a walker per list
// would call them: between_start, start, the children, end, between_end.
class WalkContainer {
  public:
    explicit WalkContainer(const renders::RendererLookup& lookup,
                           std::optional<std::size_t> alternate = std::nullopt)
        : alternate(alternate), renderer_lookup(&lookup) {}

    // Walks the list: containers with their neighbour flags, content, lines and spans.
    void render_children(std::span<const kerfa_content::data::structure::Data> items,
                         std::string& out);

    // Writes one container with the current set, as an item with the given neighbour flags.
    void render(const kerfa_content::data::structure::Container& container, std::string& out,
                bool not_first, bool not_last);

    // The component set in use for this list; none means the default set.
    std::optional<std::size_t> alternate;
    const renders::RendererLookup* renderer_lookup;
    // The spans of this list that are open, innermost last.
    std::vector<const kerfa_content::data::types::Property*> open_properties;
    // The heading or tagline of the line being walked.
    const kerfa_content::data::types::LineProperty* open_line = nullptr;
};

}  // namespace kerfa_render_core_static::components
