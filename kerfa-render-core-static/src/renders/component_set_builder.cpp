#include "kerfa_render_core_static/renders/component_set_builder.hpp"

#include <algorithm>

#include <fmt/format.h>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_render_core_static/components/render_noop.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_render_core_static::renders {

namespace {

template <class T>
void require(const std::unique_ptr<T>& slot, const char* name) {
    if (!slot) {
        shared::utils::internal_fault(fmt::format("The component set has no {} component.", name));
    }
}

template <class T>
void require_table(const std::vector<std::unique_ptr<T>>& table, std::size_t kinds,
                   const char* name) {
    if (table.size() != kinds ||
        std::any_of(table.begin(), table.end(), [](const auto& slot) { return !slot; })) {
        shared::utils::internal_fault(
            fmt::format("The component set needs {} {} components.", kinds, name));
    }
}

}  // namespace

ComponentSetBuilder::ComponentSetBuilder() {
    set_.name = "Default";
    set_.invalid_element = components::RenderInvalidPropertyNoop::boxed();
}

ComponentSetBuilder& ComponentSetBuilder::blocks(
    std::vector<std::unique_ptr<modules::RenderBlock>> blocks) {
    set_.blocks = std::move(blocks);
    return *this;
}

ComponentSetBuilder& ComponentSetBuilder::properties(
    std::vector<std::unique_ptr<modules::RenderProperty>> properties) {
    set_.properties = std::move(properties);
    return *this;
}

ComponentSet ComponentSetBuilder::build() {
    require_table(set_.blocks, kerfa_content::data::kinds::BLOCK_KINDS.size(), "block");
    require_table(set_.properties, kerfa_content::data::kinds::PROPERTY_KINDS.size(), "property");
    require(set_.check, "check");
    require(set_.divider_line, "divider line");
    require(set_.heading, "heading");
    require(set_.html, "html");
    require(set_.image, "image");
    require(set_.invalid_element, "invalid element");
    require(set_.line_break, "line break");
    require(set_.section, "section");
    require(set_.tagline, "tagline");
    require(set_.text, "text");
    return std::move(set_);
}

}  // namespace kerfa_render_core_static::renders
