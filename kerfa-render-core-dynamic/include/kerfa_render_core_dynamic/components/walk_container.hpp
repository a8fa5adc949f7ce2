#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/utils/data.hpp"
#include "kerfa_content/utils/tree_walk.hpp"
#include "kerfa_render_core_dynamic/modules/render_factory.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_render_core_dynamic::components {

namespace model = kerfa_content::data::types;
using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;

// The walker of one item list, for any factory. Per block it calls `block`, between_start (when
// an item comes before it), start, the children, end, between_end (when an item comes after it),
// then `block_exit`; per section `section` before the children and between_end after them; a
// document only has its children walked. Neighbour flags count every item of the list.
//
// Lines and spans belong to one list. A heading or tagline line ends at the list's next line
// break or at the list's end (a second one replaces the first without an end); a span ends at
// the list's next terminator that finds it innermost; an invalid element writes nothing but
// takes one terminator; spans still open at the end get no end. Ends ask the factory again, so
// its side effects happen at the end too.
//
// Nested lists are walked with the one tree walk of kerfa_content: depth costs heap, never call
// stack.
template <modules::RenderFactory Factory>
class WalkContainer {
  public:
    explicit WalkContainer(Factory& factory) : factory_(&factory) {}

    // Walks a list: a section's, block's or document's children, or a document's sections.
    void render_children(std::span<const Data> items, std::string& out) {
        walk(items, ListState{}, out);
    }

    // Writes one container as an item with these neighbour flags.
    void render(const Container& container, std::string& out, bool not_first, bool not_last) {
        ListState state;
        enter(container, not_first, not_last, state, out);
        state = walk(container.children(), std::move(state), out);
        exit(state, out);
    }

    // Ends a heading or tagline line: the factory is asked for a new component for the end.
    static void render_line_property_end(Factory& factory, const model::LineProperty& line,
                                         std::string& out) {
        if (const auto* heading = std::get_if<model::Heading>(&line)) {
            auto made = factory.heading(*heading);
            modules::component_of(made).end(out);
        } else {
            auto made = factory.tagline();
            modules::component_of(made).end(out);
        }
    }

  private:
    using BlockComponent =
        decltype(std::declval<Factory&>().block(std::declval<const model::Block&>()));
    using SectionComponent =
        decltype(std::declval<Factory&>().section(std::declval<const model::Section&>()));

    // What the walk keeps per open list, and what closes the container that owns it.
    struct ListState {
        std::vector<const model::Property*> open_properties;
        const model::LineProperty* open_line = nullptr;
        const model::Block* block = nullptr;
        std::optional<BlockComponent> block_component;
        std::optional<SectionComponent> section_component;
        bool not_last = false;
    };

    using Walk = kerfa_content::utils::ItemWalk<ListState>;

    ListState walk(std::span<const Data> items, ListState top, std::string& out) {
        Walk walk(items, std::move(top));
        while (const auto step = walk.next()) {
            switch (step->event) {
                case kerfa_content::utils::WalkEvent::Enter:
                    enter(*step->node->as_container(), step->not_first(), step->not_last(),
                          walk.children_state(), out);
                    break;
                case kerfa_content::utils::WalkEvent::Exit:
                    exit(walk.children_state(), out);
                    break;
                case kerfa_content::utils::WalkEvent::Leaf:
                    leaf(walk.list(), step->index, walk.state(), out);
                    break;
            }
        }
        close_line(walk.state(), out);
        return std::move(walk.state());
    }

    // The container's own calls before its children; what its end needs goes to `children`.
    void enter(const Container& container, bool not_first, bool not_last, ListState& children,
               std::string& out) {
        children.not_last = not_last;
        if (const model::Block* block = container.as_block()) {
            children.block = block;
            children.block_component.emplace(factory_->block(*block));
            const auto& component = modules::component_of(*children.block_component);
            if (not_first) {
                component.between_start(out);
            }
            component.start(out);
        } else if (const model::Section* section = container.as_section()) {
            children.section_component.emplace(factory_->section(*section));
        } else if (container.as_document() == nullptr) {
            shared::utils::internal_fault("An emptied container reached the writer.");
        }
    }

    // The container's calls after its children; the children's line is already closed.
    void exit(ListState& children, std::string& out) {
        close_line(children, out);
        if (children.block_component) {
            const auto& component = modules::component_of(*children.block_component);
            component.end(out);
            if (children.not_last) {
                component.between_end(out);
            }
            factory_->block_exit(*children.block);
            children.block_component.reset();
        } else if (children.section_component) {
            if (children.not_last) {
                modules::component_of(*children.section_component).between_end(out);
            }
            children.section_component.reset();
        }
    }

    void close_line(ListState& state, std::string& out) {
        if (state.open_line != nullptr) {
            const model::LineProperty* line = std::exchange(state.open_line, nullptr);
            render_line_property_end(*factory_, *line, out);
        }
    }

    template <class Made>
    static void render_made(Made&& made, std::string& out) {
        modules::component_of(made).render(out);
    }

    void leaf(std::span<const Data> items, std::size_t index, ListState& state, std::string& out) {
        const Data& item = items[index];
        if (const Content* content = item.as_content()) {
            write_content(*content, out);
        } else if (const model::LineProperty* line = item.as_line_property()) {
            if (const auto* heading = std::get_if<model::Heading>(line)) {
                auto made = factory_->heading(*heading);
                modules::component_of(made).start(out);
            } else {
                auto made = factory_->tagline();
                modules::component_of(made).start(out);
            }
            state.open_line = line;
        } else if (const model::LineBreak* line_break = item.as_line_break()) {
            close_line(state, out);
            render_made(factory_->line_break(*line_break), out);
        } else if (const model::Property* property = item.as_property()) {
            open_span(items, index, *property, state, out);
        } else if (item.is_terminator()) {
            close_span(state, out);
        }
    }

    void write_content(const Content& content, std::string& out) {
        if (const auto* text = std::get_if<Content::Text>(&content)) {
            render_made(factory_->text(text->text), out);
        } else if (const auto* check = std::get_if<Content::Check>(&content)) {
            render_made(factory_->check(check->checked), out);
        } else if (std::holds_alternative<Content::DividerLine>(content)) {
            render_made(factory_->divider_line(), out);
        } else if (const auto* html = std::get_if<Content::Html>(&content)) {
            render_made(factory_->html(html->text), out);
        } else if (const auto* image = std::get_if<Content::Image>(&content)) {
            render_made(factory_->image(image->source), out);
        }
    }

    void open_span(std::span<const Data> items, std::size_t index, const model::Property& property,
                   ListState& state, std::string& out) {
        if (const model::PropertyElement* element = property.as_element()) {
            auto made = factory_->property(*element);
            if (element->needs_content) {
                if constexpr (modules::wants_span_content<Factory>()) {
                    const std::string content =
                        kerfa_content::utils::get_content_starting_with(items, index + 1);
                    modules::component_of(made).start_with_content(content, out);
                } else {
                    modules::component_of(made).start_with_content(std::string_view(), out);
                }
            } else {
                modules::component_of(made).start(out);
            }
        } else if (property.as_invalid() == nullptr) {
            shared::utils::internal_fault("An emptied property reached the writer.");
        }
        state.open_properties.push_back(&property);
    }

    void close_span(ListState& state, std::string& out) {
        if (state.open_properties.empty()) {
            return;
        }
        const model::Property* property = state.open_properties.back();
        state.open_properties.pop_back();
        if (const model::PropertyElement* element = property->as_element()) {
            auto made = factory_->property(*element);
            modules::component_of(made).end(out);
        }
    }

    Factory* factory_;
};

// A writer's renderings, each with a fresh factory in its initial state and a walker over it: a
// list of items (a document is written as its children list), or one container as an item
// without neighbours.
template <modules::RenderFactory Factory>
void render_items(std::span<const Data> items, std::string& out) {
    Factory factory;
    WalkContainer<Factory>(factory).render_children(items, out);
}

template <modules::RenderFactory Factory>
void render_container(const Container& container, std::string& out) {
    Factory factory;
    WalkContainer<Factory>(factory).render(container, out, false, false);
}

}  // namespace kerfa_render_core_dynamic::components
