#pragma once

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
    // The slot of each interface; a component of two interfaces is an ambiguous call.
    template <class T>
    auto& slot() {
        return slot_of(static_cast<const T*>(nullptr));
    }
    auto& slot_of(const modules::RenderCheck*) { return set_.check; }
    auto& slot_of(const modules::RenderDividerLine*) { return set_.divider_line; }
    auto& slot_of(const modules::RenderHeading*) { return set_.heading; }
    auto& slot_of(const modules::RenderHtml*) { return set_.html; }
    auto& slot_of(const modules::RenderImage*) { return set_.image; }
    auto& slot_of(const modules::RenderInvalidElement*) { return set_.invalid_element; }
    auto& slot_of(const modules::RenderLineBreak*) { return set_.line_break; }
    auto& slot_of(const modules::RenderSection*) { return set_.section; }
    auto& slot_of(const modules::RenderTagline*) { return set_.tagline; }
    auto& slot_of(const modules::RenderText*) { return set_.text; }

    ComponentSet set_;
};

}  // namespace kerfa_render_core_static::renders
