#include "components/walk_container.hpp"

#include <memory>
#include <utility>

#include <fmt/format.h>

#include "kerfa_content/utils/tree_walk.hpp"
#include "shared/utils/fault.hpp"
#include "shared/utils/overloaded.hpp"
#include "span_contents.hpp"

namespace kerfa_render_core_static::components {

namespace {

using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::data::types::Block;
using kerfa_content::data::types::LineProperty;
using kerfa_content::data::types::Property;
using kerfa_content::data::types::PropertyElement;
using kerfa_content::data::types::Section;
using kerfa_content::utils::WalkEvent;
using renders::ComponentSet;

using shared::utils::Overloaded;

// A set is filled once by its writer; a hole in it is a broken invariant, not a document problem.
template <class T>
const T& component(const std::unique_ptr<T>& slot, const char* name) {
    if (!slot) {
        shared::utils::internal_fault(fmt::format("The component set has no {} component.", name));
    }
    return *slot;
}

// What the walk keeps per open list, and what closes the container that owns it.
struct ListState {
    std::optional<std::size_t> alternate;
    const ComponentSet* set = nullptr;
    std::vector<const Property*> open_properties;
    const LineProperty* open_line = nullptr;
    std::unique_ptr<SpanContents> contents;

    // The container whose children these are: its component's end and between_end run when the
    // list is done. Both null for a document or a top-level list.
    const Block* block = nullptr;
    const modules::RenderBlock* block_component = nullptr;
    const Section* section = nullptr;
    bool not_last = false;
};

class Walk {
  public:
    Walk(const renders::RendererLookup& lookup, std::string& out) : lookup_(lookup), out_(out) {}

    ListState top_state(std::optional<std::size_t> alternate) const {
        ListState state;
        state.alternate = alternate;
        state.set = &lookup_.set_for(alternate);
        return state;
    }

    // Walks a list from its state; gives back the state it ends with, its line closed.
    ListState walk(std::span<const Data> items, ListState top) {
        kerfa_content::utils::ItemWalk<ListState> walk(items, std::move(top));
        while (const auto step = walk.next()) {
            switch (step->event) {
                case WalkEvent::Enter:
                    enter(*step->node->as_container(), walk.state(), step->not_first(),
                          step->not_last(),
                          step->not_first() ? &walk.list()[step->index - 1] : nullptr,
                          walk.children_state());
                    break;
                case WalkEvent::Exit:
                    exit(walk.children_state());
                    break;
                case WalkEvent::Leaf:
                    leaf(walk.list(), step->index, walk.state());
                    break;
            }
        }
        close_line(walk.state());
        return std::move(walk.state());
    }

    // Writes the start of a container of the list `outer`; what its end needs goes to
    // `children`. `previous` is the item before the container in its list, when the walk has one.
    void enter(const Container& container, const ListState& outer, bool not_first, bool not_last,
               const Data* previous, ListState& children) {
        const ComponentSet& set = *outer.set;
        children.not_last = not_last;
        if (const Block* block = container.as_block()) {
            const modules::RenderBlock& comp = set.block(block->id);
            if (not_first) {
                if (previous != nullptr) {
                    comp.between_start_after(*block, *previous, out_);
                } else {
                    comp.between_start(*block, out_);
                }
            }
            comp.start(*block, out_);
            children.alternate = lookup_.alternate_for(block->id);
            children.set = &lookup_.set_for(children.alternate);
            children.block = block;
            children.block_component = &comp;
        } else if (const Section* section = container.as_section()) {
            const modules::RenderSection& comp = component(set.section, "section");
            if (not_first) {
                comp.between_start(*section, out_);
            }
            comp.start(*section, out_);
            children.alternate = outer.alternate;
            children.set = outer.set;
            children.section = section;
        } else if (container.as_document() != nullptr) {
            children.alternate = outer.alternate;
            children.set = outer.set;
        } else {
            shared::utils::internal_fault("An emptied container reached the writer.");
        }
    }

    // Writes the end of the container whose children ended with this state.
    void exit(ListState& children) {
        close_line(children);
        if (children.block != nullptr) {
            children.block_component->end(*children.block, out_);
            if (children.not_last) {
                children.block_component->between_end(*children.block, out_);
            }
        } else if (children.section != nullptr) {
            const modules::RenderSection& comp = component(children.set->section, "section");
            comp.end(*children.section, out_);
            if (children.not_last) {
                comp.between_end(*children.section, out_);
            }
        }
    }

  private:
    void close_line(ListState& state) {
        if (state.open_line == nullptr) {
            return;
        }
        const ComponentSet& set = *state.set;
        if (const auto* heading = std::get_if<LineProperty::Heading>(state.open_line)) {
            component(set.heading, "heading").end(*heading, out_);
        } else {
            component(set.tagline, "tagline").end(out_);
        }
        state.open_line = nullptr;
    }

    // Any item but a container.
    void leaf(std::span<const Data> items, std::size_t index, ListState& state) {
        const ComponentSet& set = *state.set;
        std::visit(
            Overloaded{
                [&](const Container&) {
                    shared::utils::internal_fault("A container was walked as a leaf.");
                },
                [&](const Content& content) { write_content(set, content); },
                [&](const LineProperty& line) {
                    if (lookup_.close_replaced_lines) {
                        close_line(state);
                    }
                    if (const auto* heading = std::get_if<LineProperty::Heading>(&line)) {
                        component(set.heading, "heading").start(*heading, out_);
                    } else {
                        component(set.tagline, "tagline").start(out_);
                    }
                    state.open_line = &line;
                },
                [&](const kerfa_content::data::types::LineBreak& line_break) {
                    close_line(state);
                    component(set.line_break, "line break").render(line_break, out_);
                },
                [&](const Property& property) { open_span(items, index, property, state); },
                [&](const kerfa_content::data::types::PropertyTerminator&) { close_span(state); },
            },
            static_cast<const Data::variant&>(items[index]));
    }

    void write_content(const ComponentSet& set, const Content& content) {
        std::visit(Overloaded{
                       [&](const Content::Check& check) {
                           component(set.check, "check").render(check.checked, out_);
                       },
                       [&](const Content::DividerLine&) {
                           component(set.divider_line, "divider line").render(out_);
                       },
                       [&](const Content::Html& html) {
                           component(set.html, "html").render(html.text, out_);
                       },
                       [&](const Content::Image& image) {
                           component(set.image, "image").render(image.source, out_);
                       },
                       [&](const Content::Text& text) {
                           component(set.text, "text").render(text.text, out_);
                       },
                   },
                   static_cast<const Content::variant&>(content));
    }

    void open_span(std::span<const Data> items, std::size_t index, const Property& property,
                   ListState& state) {
        const ComponentSet& set = *state.set;
        if (const PropertyElement* element = property.as_element()) {
            const modules::RenderProperty& comp = set.property(element->id);
            if (element->needs_content) {
                std::string_view content;
                if (comp.uses_content()) {
                    if (!state.contents) {
                        state.contents = std::make_unique<SpanContents>(
                            SpanContents::compute(items, index, set));
                    }
                    content = state.contents->take(index);
                }
                comp.start_with_content(*element, content, out_);
            } else {
                comp.start(*element, out_);
            }
        } else if (const auto* invalid = property.as_invalid()) {
            component(set.invalid_element, "invalid element").start(*invalid, out_);
        } else {
            shared::utils::internal_fault("An emptied property reached the writer.");
        }
        state.open_properties.push_back(&property);
    }

    void close_span(ListState& state) {
        if (state.open_properties.empty()) {
            return;
        }
        const Property& property = *state.open_properties.back();
        state.open_properties.pop_back();
        const ComponentSet& set = *state.set;
        if (const PropertyElement* element = property.as_element()) {
            set.property(element->id).end(*element, out_);
        } else {
            component(set.invalid_element, "invalid element").end(*property.as_invalid(), out_);
        }
    }

    const renders::RendererLookup& lookup_;
    std::string& out_;
};

}  // namespace

void WalkContainer::render_children(std::span<const Data> items, std::string& out) {
    Walk walk(*renderer_lookup, out);
    ListState top = walk.top_state(alternate);
    top.open_properties = std::move(open_properties);
    top.open_line = open_line;
    ListState finished = walk.walk(items, std::move(top));
    // Spans left open stay open: they get no end.
    open_properties = std::move(finished.open_properties);
    open_line = nullptr;
}

void WalkContainer::render(const Container& container, std::string& out, bool not_first,
                           bool not_last) {
    Walk walk(*renderer_lookup, out);
    const ListState outer = walk.top_state(alternate);
    ListState children;
    walk.enter(container, outer, not_first, not_last, nullptr, children);
    children = walk.walk(container.children(), std::move(children));
    walk.exit(children);
}

}  // namespace kerfa_render_core_static::components
