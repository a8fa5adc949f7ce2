#include "kerfa_render/tables.hpp"

#include <string_view>

#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_render/block_components.hpp"
#include "kerfa_render/content_components.hpp"
#include "kerfa_render/line_components.hpp"
#include "kerfa_render/property_components.hpp"
#include "kerfa_render/section_component.hpp"
#include "kerfa_render_core_static/renders/component_set_builder.hpp"

namespace kerfa_render_kerfa::kerfa_render {

namespace {

using kerfa_render_core_static::modules::RenderBlock;
using kerfa_render_core_static::modules::RenderProperty;

template <class T, class... Args>
std::unique_ptr<RenderBlock> block(Args&&... args) {
    return std::make_unique<T>(std::forward<Args>(args)...);
}

}  // namespace

std::vector<std::unique_ptr<RenderBlock>> all_blocks() {
    std::vector<std::unique_ptr<RenderBlock>> blocks;
    blocks.reserve(14);
    blocks.push_back(block<RenderActualBlock>("block"));
    blocks.push_back(block<RenderActualBlock>("blockquote"));
    blocks.push_back(block<RenderActualBlock>("bullet"));
    blocks.push_back(block<RenderActualBulletEntry>());
    blocks.push_back(block<RenderActualBlock>("card"));
    blocks.push_back(block<RenderActualBlock>("codebox"));
    blocks.push_back(block<RenderActualBlock>("indent"));
    blocks.push_back(block<RenderActualBlock>("table"));
    blocks.push_back(block<RenderActualTableRow>());
    blocks.push_back(block<RenderActualTableEntry>());
    blocks.push_back(block<RenderActualTableHeading>());
    blocks.push_back(block<RenderActualTableHeadingRow>());
    blocks.push_back(block<RenderActualTableHeadingEntry>());
    // A standalone heading reads back from the same element name as a table's heading part.
    blocks.push_back(block<RenderActualBlock>("heading"));
    return blocks;
}

std::vector<std::unique_ptr<RenderProperty>> all_properties() {
    std::vector<std::unique_ptr<RenderProperty>> properties;
    properties.reserve(kerfa_content::data::kinds::PROPERTY_KINDS.size());
    for (const auto& kind : kerfa_content::data::kinds::PROPERTY_KINDS) {
        const std::string_view name =
            kind.id == kerfa_content::data::kinds::property_kind::STRIKETHROUGH ? "strike"
                                                                                : kind.name;
        properties.push_back(std::make_unique<RenderActualProperty>(std::string(name)));
    }
    return properties;
}

kerfa_render_core_static::renders::ComponentSet new_renders_lookup() {
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

}  // namespace kerfa_render_kerfa::kerfa_render
