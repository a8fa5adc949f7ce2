#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kerfa_render_core_static/modules/components.hpp"

namespace kerfa_render_core_static::renders {

// One writer's component set: a component per block kind and per property kind (indexed by id)
// and one for each other thing a document holds. Made once with the writer and only read after.
// Not the writer interface of the document model, hence the ComponentSet alias below.
struct Renderer {
    std::string name;  // "Default" for every writer; nothing reads it during a walk
    std::vector<std::unique_ptr<modules::RenderBlock>> blocks;
    std::vector<std::unique_ptr<modules::RenderProperty>> properties;
    std::unique_ptr<modules::RenderCheck> check;
    std::unique_ptr<modules::RenderDividerLine> divider_line;
    std::unique_ptr<modules::RenderHeading> heading;
    std::unique_ptr<modules::RenderHtml> html;
    std::unique_ptr<modules::RenderImage> image;
    std::unique_ptr<modules::RenderInvalidElement> invalid_element;
    std::unique_ptr<modules::RenderLineBreak> line_break;
    std::unique_ptr<modules::RenderSection> section;
    std::unique_ptr<modules::RenderTagline> tagline;
    std::unique_ptr<modules::RenderText> text;

    // The component for a block id; an id past the table is an internal fault.
    const modules::RenderBlock& block(std::size_t id) const;
    // The component for a property id; an id past the table is an internal fault.
    const modules::RenderProperty& property(std::size_t id) const;
};

using ComponentSet = Renderer;

}  // namespace kerfa_render_core_static::renders
