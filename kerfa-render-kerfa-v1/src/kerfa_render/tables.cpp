#include "kerfa_render/tables.hpp"

#include "kerfa_render/block_components.hpp"
#include "kerfa_render/content_components.hpp"
#include "kerfa_render/property_components.hpp"
#include "kerfa_render_core_static/components/render_noop.hpp"
#include "kerfa_render_core_static/renders/component_set_builder.hpp"

namespace kerfa_render_kerfa_v1::kerfa_render {

namespace {

using kerfa_render_core_static::components::RenderNoopProperty;

template <class T, class... Args>
std::unique_ptr<RenderBlock> block(Args&&... args) {
    return std::make_unique<T>(std::forward<Args>(args)...);
}

template <class T, class... Args>
std::unique_ptr<RenderProperty> property(Args&&... args) {
    return std::make_unique<T>(std::forward<Args>(args)...);
}

}  // namespace

std::vector<std::unique_ptr<RenderBlock>> all_blocks() {
    std::vector<std::unique_ptr<RenderBlock>> blocks;
    blocks.reserve(14);
    blocks.push_back(block<RenderActualBlock>("block"));
    blocks.push_back(block<RenderActualBlock>("blockquote"));
    blocks.push_back(block<RenderActualBlock>("*"));
    blocks.push_back(block<RenderActualBulletEntry>());
    blocks.push_back(block<RenderActualBlock>("card"));
    blocks.push_back(block<RenderActualBlock>("cb"));
    blocks.push_back(block<RenderActualIndent>());
    blocks.push_back(block<RenderActualBlock>("table"));
    blocks.push_back(block<RenderActualTableRow>());
    blocks.push_back(block<RenderActualTableEntry>("RenderActualTableEntry", "<col>", "<>"));
    blocks.push_back(block<RenderActualTableRow>("RenderActualTableHeading"));
    blocks.push_back(block<RenderActualTableRow>("RenderActualTableHeadingRow"));
    // Heading cells are bold columns.
    blocks.push_back(
        block<RenderActualTableEntry>("RenderActualTableHeadingEntry", "<col><b>", "<><>"));
    // A standalone heading reads as a table whose cells are bold columns.
    blocks.push_back(block<RenderActualBlock>("table"));
    return blocks;
}

std::vector<std::unique_ptr<RenderProperty>> all_properties() {
    std::vector<std::unique_ptr<RenderProperty>> properties;
    properties.reserve(31);
    for (const char* name :
         {"bold", "caution", "code", "dim",        "font-name", "font-size", "hl",  "important",
          "i",    "m",       "note", "small",      "strike",    "sub",       "sup", "_",
          "v",    "warning", "tag",  "background", "badge",     "color"}) {
        properties.push_back(property<RenderActualProperty>(name));
    }
    // An address keeps its name and loses its values.
    properties.push_back(
        property<RenderActualProperty>("address", RenderActualProperty::Values::Dropped));
    properties.push_back(RenderNoopProperty::boxed());  // coordinates: the text alone
    properties.push_back(property<RenderActualDocLink>());
    properties.push_back(property<RenderActualDocLinkPartial>("?q="));
    properties.push_back(property<RenderActualDocLinkPartial>("#"));
    properties.push_back(property<RenderActualProperty>("email"));
    properties.push_back(property<RenderActualProperty>("link"));
    properties.push_back(property<RenderActualProperty>("tel"));
    properties.push_back(RenderNoopProperty::boxed());  // fixed: the text alone
    return properties;
}

kerfa_render_core_static::renders::ComponentSet new_default_renderer() {
    return kerfa_render_core_static::renders::ComponentSetBuilder()
        .blocks(all_blocks())
        .properties(all_properties())
        .with<RenderActualCheck>()
        .with<RenderActualDividerLine>()
        .with<RenderActualHeading>()
        .with<RenderActualHtml>()
        .with<RenderActualImage>()
        .with<RenderActualLineBreak>()
        .with<RenderActualSection>()
        .with<RenderActualTagline>()
        .with<RenderActualText>()
        .build();
}

}  // namespace kerfa_render_kerfa_v1::kerfa_render
