#pragma once

#include <concepts>
#include <memory>
#include <utility>
#include <vector>

#include "kerfa_render_core_static/modules/components.hpp"
#include "kerfa_render_core_static/renders/renderer.hpp"

namespace kerfa_render_core_static::renders {

// Fills a component set, so that a writer states only the slots it fills or changes: a new set
// is named "Default" and writes no invalid element (as every writer wants), and a set can start
// from another writer's to change a few of its slots. build() checks that no slot is left empty,
// so a writer that forgets one fails when it is made, not on the first document that needs it.
class ComponentSetBuilder {
  public:
    ComponentSetBuilder();
    explicit ComponentSetBuilder(ComponentSet base) : set_(std::move(base)) {}

    ComponentSetBuilder& blocks(std::vector<std::unique_ptr<modules::RenderBlock>> blocks);
    ComponentSetBuilder& properties(
        std::vector<std::unique_ptr<modules::RenderProperty>> properties);

    // A T made from the arguments, in the one slot whose interface T implements.
    template <class T, class... Args>
    ComponentSetBuilder& with(Args&&... args) {
        slot<T>() = std::make_unique<T>(std::forward<Args>(args)...);
        return *this;
    }

    // The set; one table too short or one slot empty is an internal fault.
    ComponentSet build();

  private:
    template <class T>
    auto& slot() {
        static_assert(std::derived_from<T, modules::RenderCheck> +
                              std::derived_from<T, modules::RenderDividerLine> +
                              std::derived_from<T, modules::RenderHeading> +
                              std::derived_from<T, modules::RenderHtml> +
                              std::derived_from<T, modules::RenderImage> +
                              std::derived_from<T, modules::RenderInvalidElement> +
                              std::derived_from<T, modules::RenderLineBreak> +
                              std::derived_from<T, modules::RenderSection> +
                              std::derived_from<T, modules::RenderTagline> +
                              std::derived_from<T, modules::RenderText> ==
                          1,
                      "a component fills exactly one slot");
        if constexpr (std::derived_from<T, modules::RenderCheck>) {
            return set_.check;
        } else if constexpr (std::derived_from<T, modules::RenderDividerLine>) {
            return set_.divider_line;
        } else if constexpr (std::derived_from<T, modules::RenderHeading>) {
            return set_.heading;
        } else if constexpr (std::derived_from<T, modules::RenderHtml>) {
            return set_.html;
        } else if constexpr (std::derived_from<T, modules::RenderImage>) {
            return set_.image;
        } else if constexpr (std::derived_from<T, modules::RenderInvalidElement>) {
            return set_.invalid_element;
        } else if constexpr (std::derived_from<T, modules::RenderLineBreak>) {
            return set_.line_break;
        } else if constexpr (std::derived_from<T, modules::RenderSection>) {
            return set_.section;
        } else if constexpr (std::derived_from<T, modules::RenderTagline>) {
            return set_.tagline;
        } else {
            return set_.text;
        }
    }

    ComponentSet set_;
};

}  // namespace kerfa_render_core_static::renders
