#include "components/walk_container.hpp"

#include <algorithm>
#include <memory>
#include <utility>

#include <fmt/format.h>

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

// The walker state of one list on the explicit stack, with what closes its container.
struct Frame {
    std::span<const Data> items;
    std::size_t next = 0;
    std::optional<std::size_t> alternate;
    const ComponentSet* set = nullptr;
    std::vector<const Property*> open_properties;
    // How many of open_properties are elements rather than invalid elements.
    std::size_t open_elements = 0;
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

    void push_list(std::span<const Data> items, std::optional<std::size_t> alternate,
                   std::vector<const Property*> open_properties, const LineProperty* open_line) {
        Frame frame = new_frame(items, alternate);
        frame.open_elements = static_cast<std::size_t>(std::ranges::count_if(
            open_properties, [](const Property* p) { return p->as_element() != nullptr; }));
        frame.open_properties = std::move(open_properties);
        frame.open_line = open_line;
        frames_.push_back(std::move(frame));
    }

    // Writes the start of a container and pushes its children.
    // `previous` is the item before the container in its list, when the walk has one.
    void enter(const Container& container, std::optional<std::size_t> alternate, bool not_first,
               bool not_last, const Data* previous = nullptr) {
        const ComponentSet& set = lookup_.set_for(alternate);
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
            Frame frame = new_frame(block->children, lookup_.alternate_for(block->id));
            frame.block = block;
            frame.block_component = &comp;
            frame.not_last = not_last;
            frames_.push_back(std::move(frame));
        } else if (const Section* section = container.as_section()) {
            const modules::RenderSection& comp = component(set.section, "section");
            if (not_first) {
                comp.between_start(*section, out_);
            }
            comp.start(*section, out_);
            Frame frame = new_frame(section->children, alternate);
            frame.section = section;
            frame.not_last = not_last;
            frames_.push_back(std::move(frame));
        } else if (const auto* document = container.as_document()) {
            frames_.push_back(new_frame(document->children, alternate));
        } else {
            shared::utils::internal_fault("An emptied container reached the writer.");
        }
    }

    // Runs until the stack is down to `depth` frames; returns the state of the last list closed.
    Frame run(std::size_t depth) {
        Frame finished;
        while (frames_.size() > depth) {
            Frame& frame = frames_.back();
            if (frame.next == frame.items.size()) {
                close_line(frame);
                finished = std::move(frame);
                frames_.pop_back();
                close_container(finished);
                continue;
            }
            step(frame);
        }
        return finished;
    }

  private:
    Frame new_frame(std::span<const Data> items, std::optional<std::size_t> alternate) {
        Frame frame;
        frame.items = items;
        frame.alternate = alternate;
        frame.set = &lookup_.set_for(alternate);
        return frame;
    }

    void close_line(Frame& frame) {
        if (frame.open_line == nullptr) {
            return;
        }
        const ComponentSet& set = *frame.set;
        if (const auto* heading = std::get_if<LineProperty::Heading>(frame.open_line)) {
            component(set.heading, "heading").end(*heading, out_);
        } else {
            component(set.tagline, "tagline").end(out_);
        }
        frame.open_line = nullptr;
    }

    void close_container(const Frame& frame) {
        if (frame.block != nullptr) {
            frame.block_component->end(*frame.block, out_);
            if (frame.not_last) {
                frame.block_component->between_end(*frame.block, out_);
            }
        } else if (frame.section != nullptr) {
            const modules::RenderSection& comp = component(frame.set->section, "section");
            comp.end(*frame.section, out_);
            if (frame.not_last) {
                comp.between_end(*frame.section, out_);
            }
        }
    }

    // Handles the next item of the top list. May push a frame, so `frame` is not used after
    // enter().
    void step(Frame& frame) {
        const std::size_t i = frame.next++;
        const std::size_t n = frame.items.size();
        const Data& item = frame.items[i];
        const ComponentSet& set = *frame.set;
        std::visit(
            Overloaded{
                [&](const Container& container) {
                    enter(container, frame.alternate, i > 0, i + 1 < n,
                          i > 0 ? &frame.items[i - 1] : nullptr);
                },
                [&](const Content& content) { write_content(set, content); },
                [&](const LineProperty& line) {
                    if (lookup_.close_replaced_lines) {
                        close_line(frame);
                    }
                    if (const auto* heading = std::get_if<LineProperty::Heading>(&line)) {
                        component(set.heading, "heading").start_at(*heading, place(frame), out_);
                    } else {
                        component(set.tagline, "tagline").start(out_);
                    }
                    frame.open_line = &line;
                },
                [&](const kerfa_content::data::types::LineBreak& line_break) {
                    close_line(frame);
                    component(set.line_break, "line break")
                        .render_at(line_break, place(frame), out_);
                },
                [&](const Property& property) { open_span(frame, i, property); },
                [&](const kerfa_content::data::types::PropertyTerminator&) { close_span(frame); },
            },
            static_cast<const Data::variant&>(item));
    }

    static modules::LinePlace place(const Frame& frame) {
        return {frame.block, frame.open_elements > 0};
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

    void open_span(Frame& frame, std::size_t index, const Property& property) {
        const ComponentSet& set = *frame.set;
        if (const PropertyElement* element = property.as_element()) {
            const modules::RenderProperty& comp = set.property(element->id);
            if (element->needs_content) {
                std::string_view content;
                if (comp.uses_content()) {
                    if (!frame.contents) {
                        frame.contents = std::make_unique<SpanContents>(
                            SpanContents::compute(frame.items, index, set));
                    }
                    content = frame.contents->take(index);
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
        frame.open_properties.push_back(&property);
        frame.open_elements += property.as_element() != nullptr ? 1 : 0;
    }

    void close_span(Frame& frame) {
        if (frame.open_properties.empty()) {
            return;
        }
        const Property& property = *frame.open_properties.back();
        frame.open_properties.pop_back();
        frame.open_elements -= property.as_element() != nullptr ? 1 : 0;
        const ComponentSet& set = *frame.set;
        if (const PropertyElement* element = property.as_element()) {
            set.property(element->id).end(*element, out_);
        } else {
            component(set.invalid_element, "invalid element").end(*property.as_invalid(), out_);
        }
    }

    const renders::RendererLookup& lookup_;
    std::string& out_;
    std::vector<Frame> frames_;
};

}  // namespace

void WalkContainer::render_children(std::span<const Data> items, std::string& out) {
    Walk walk(*renderer_lookup, out);
    walk.push_list(items, alternate, std::move(open_properties), open_line);
    Frame finished = walk.run(0);
    // Spans left open stay open: they get no end.
    open_properties = std::move(finished.open_properties);
    open_line = nullptr;
}

void WalkContainer::render(const Container& container, std::string& out, bool not_first,
                           bool not_last) {
    Walk walk(*renderer_lookup, out);
    walk.enter(container, alternate, not_first, not_last);
    walk.run(0);
}

}  // namespace kerfa_render_core_static::components
