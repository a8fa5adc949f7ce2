#include "minimalist_render/tables.hpp"

#include <array>
#include <string_view>

#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_render/block_components.hpp"
#include "kerfa_render/content_components.hpp"
#include "kerfa_render/property_components.hpp"
#include "kerfa_render/section_component.hpp"
#include "kerfa_render/tables.hpp"
#include "kerfa_render_core_static/renders/component_set_builder.hpp"
#include "minimalist_render/color_component.hpp"
#include "minimalist_render/utils/metadata.hpp"

namespace kerfa_render_kerfa::minimalist_render {

namespace {

namespace kr = kerfa_render_kerfa::kerfa_render;
namespace pk = kerfa_content::data::kinds::property_kind;
using kerfa_render_core_static::modules::RenderBlock;
using kerfa_render_core_static::modules::RenderProperty;
using kerfa_render_kerfa::utils::AttributeForm;

// By property id; the colour span has a component of its own.
constexpr std::array<std::string_view, 31> PROPERTY_NAMES{
    "b",    "caution", "c",   "d",    "font-name", "font-size", "hl", "!",   "i",     "m",     "n",
    "s",    "-",       "sub", "sup",  "_",         "v",         "!!", "@",   "on",    "badge", "",
    "addr", "geo",     "doc", "doc?", "doc#",      "email",     "l",  "tel", "fixed",
};

std::unique_ptr<RenderBlock> element(std::string name) {
    return std::make_unique<kr::RenderActualBlock>(std::move(name), AttributeForm::Minimalist);
}

}  // namespace

std::vector<std::unique_ptr<RenderBlock>> all_blocks() {
    std::vector<std::unique_ptr<RenderBlock>> blocks;
    blocks.reserve(14);
    blocks.push_back(element("{}"));
    blocks.push_back(element("bq"));
    blocks.push_back(element("*"));
    blocks.push_back(std::make_unique<kr::RenderActualBulletEntry>());
    blocks.push_back(element("card"));
    blocks.push_back(element("cb"));
    blocks.push_back(element("in"));
    blocks.push_back(element("t"));
    blocks.push_back(std::make_unique<kr::RenderActualTableRow>());
    blocks.push_back(std::make_unique<kr::RenderActualTableEntry>());
    // A table's heading part keeps the canonical attribute form; a standalone heading does not.
    blocks.push_back(std::make_unique<kr::RenderActualTableHeading>("h"));
    blocks.push_back(std::make_unique<kr::RenderActualTableHeadingRow>());
    blocks.push_back(std::make_unique<kr::RenderActualTableHeadingEntry>());
    blocks.push_back(element("h"));
    return blocks;
}

std::vector<std::unique_ptr<RenderProperty>> all_properties() {
    std::vector<std::unique_ptr<RenderProperty>> properties;
    properties.reserve(PROPERTY_NAMES.size());
    for (std::size_t id = 0; id < PROPERTY_NAMES.size(); ++id) {
        if (id == pk::COLOR) {
            properties.push_back(std::make_unique<RenderActualColor>());
        } else {
            properties.push_back(std::make_unique<kr::RenderActualProperty>(
                std::string(PROPERTY_NAMES[id]), AttributeForm::Minimalist));
        }
    }
    return properties;
}

kerfa_render_core_static::renders::ComponentSet new_renders_lookup() {
    // Lines, texts, raw HTML and images are the canonical writer's.
    return kerfa_render_core_static::renders::ComponentSetBuilder(kr::new_renders_lookup())
        .blocks(all_blocks())
        .properties(all_properties())
        .with<kr::RenderActualCheck>("check")
        .with<kr::RenderActualDividerLine>("<--->")
        .with<kr::RenderActualSection>(&utils::append_metadata)
        .build();
}

}  // namespace kerfa_render_kerfa::minimalist_render
