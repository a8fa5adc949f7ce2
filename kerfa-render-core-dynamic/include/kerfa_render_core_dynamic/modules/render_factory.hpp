#pragma once

#include <concepts>
#include <string_view>
#include <type_traits>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_render_core_dynamic/modules/components.hpp"

// What a writer gives the walker: a factory, called directly (no virtual dispatch), that makes a
// fresh component for every element the walk meets and may change its own state in any call:
//
//   block(const Block&)              -> RenderBlock      block_exit(const Block&) -> nothing
//   check(bool)                      -> Render           divider_line()           -> Render
//   heading(const Heading&)          -> RenderHeading    html(std::string_view)   -> Render
//   image(const Source&)             -> Render           line_break(const LineBreak&) -> Render
//   property(const PropertyElement&) -> RenderProperty   section(const Section&)  -> RenderSection
//   tagline()                        -> RenderTagline    text(std::string_view)   -> Render
//
// A component is handed out either as a value of a class that implements the interface or as an
// owned box (std::unique_ptr) of one; the walker uses it for the one purpose it was asked for
// and drops it. A component may borrow from the document or the factory as long as it is used at
// once; block and section components live through the walk of their children, so they own what
// they write.
//
// The text of a span whose value is its text (PropertyElement::needs_content) is computed only
// for a factory that declares `static constexpr bool wants_span_content = true;`; the others get
// an empty content.
namespace kerfa_render_core_dynamic::modules {

namespace model = kerfa_content::data::types;

// The component itself, whether handed out as a value or in a box.
template <class Component>
decltype(auto) component_of(Component& component) {
    if constexpr (requires { component.operator->(); }) {
        return *component;
    } else {
        return (component);
    }
}

template <class Made, class Interface>
concept ComponentOf =
    std::derived_from<std::remove_cvref_t<decltype(component_of(std::declval<Made&>()))>,
                      Interface>;

template <class Factory>
concept RenderFactory = requires(Factory& factory, const model::Block& block, bool flag,
                                 const model::Heading& heading, std::string_view text,
                                 const kerfa_content::types::Source& source,
                                 const model::LineBreak& line_break,
                                 const model::PropertyElement& element,
                                 const model::Section& section) {
    { factory.block(block) } -> ComponentOf<RenderBlock>;
    factory.block_exit(block);
    { factory.check(flag) } -> ComponentOf<Render>;
    { factory.divider_line() } -> ComponentOf<Render>;
    { factory.heading(heading) } -> ComponentOf<RenderHeading>;
    { factory.html(text) } -> ComponentOf<Render>;
    { factory.image(source) } -> ComponentOf<Render>;
    { factory.line_break(line_break) } -> ComponentOf<Render>;
    { factory.property(element) } -> ComponentOf<RenderProperty>;
    { factory.section(section) } -> ComponentOf<RenderSection>;
    { factory.tagline() } -> ComponentOf<RenderTagline>;
    { factory.text(text) } -> ComponentOf<Render>;
};

// Whether the factory's property components read the text of their span.
template <class Factory>
constexpr bool wants_span_content() {
    if constexpr (requires { Factory::wants_span_content; }) {
        return Factory::wants_span_content;
    } else {
        return false;
    }
}

}  // namespace kerfa_render_core_dynamic::modules
