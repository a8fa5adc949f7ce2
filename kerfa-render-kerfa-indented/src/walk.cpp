#include "walk.hpp"

#include <fmt/format.h>

#include "describe.hpp"
#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_content/utils/tree_walk.hpp"
#include "shared/utils/fault.hpp"
#include "shared/utils/overloaded.hpp"

namespace kerfa_render_kerfa_indented::walk {

namespace {

namespace bk = kerfa_content::data::kinds::block_kind;
namespace kinds = kerfa_content::data::kinds;
using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::data::types::Block;
using kerfa_content::data::types::LineProperty;
using kerfa_content::data::types::Property;
using shared::utils::Overloaded;

std::string closes(std::string_view element, std::size_t line_number) {
    return fmt::format("closes <{}> (L{})", element, line_number);
}

// Rows and list entries are lines of their own; cells share their row's line.
bool is_line_block(const Block& block) {
    return block.id == bk::TABLE_ROW || block.id == bk::TABLE_HEADING_ROW ||
           block.id == bk::BULLET_ENTRY;
}
bool is_cell(const Block& block) {
    return block.id == bk::TABLE_ENTRY || block.id == bk::TABLE_HEADING_ENTRY;
}

}  // namespace

void Walk::walk_metadata(const kerfa_content::types::Metadata& metadata) {
    if (metadata.is_empty()) {
        return;
    }
    const std::size_t opened_at = writer_.line("<metadata>");
    writer_.deeper();
    for (const auto& [key, value] : metadata.data()) {
        writer_.line(fmt::format("{} = {}", key, value));
    }
    writer_.shallower();
    writer_.line("<>", closes("metadata", opened_at));
}

void Walk::enter(const Container& container, ListState& children) {
    if (const auto* section = container.as_section()) {
        // A section has no line of its own: its heading line comes from its items.
        writer_.blank();
        if (section->metadata) {
            walk_metadata(*section->metadata);
        }
    } else if (const auto* document = container.as_document()) {
        walk_metadata(document->metadata);
    } else if (const Block* block = container.as_block()) {
        if (is_line_block(*block)) {
            writer_.finish();
        } else if (is_cell(*block)) {
            if (writer_.has_current()) {
                writer_.append("  <|>  ");
            }
        } else {
            children.open_line = writer_.line(describe::block_open_text(*block));
            writer_.deeper();
        }
    } else {
        shared::utils::internal_fault("An emptied container reached the indented view.");
    }
    children.entry_size = opened_.size();
}

void Walk::exit(const Container& container, const ListState& children) {
    close_left_open(children.entry_size);
    const Block* block = container.as_block();
    if (block == nullptr || is_cell(*block)) {
        return;
    }
    if (is_line_block(*block)) {
        writer_.finish();
        return;
    }
    writer_.shallower();
    writer_.line("<>", closes(kinds::block_kind_name_or_unknown(block->id), children.open_line));
}

void Walk::leaf(const Data& item) {
    std::visit(
        Overloaded{
            [&](const Container&) {
                shared::utils::internal_fault("A container reached the view as a leaf.");
            },
            [&](const Content& content) {
                const auto* text = std::get_if<Content::Text>(&content);
                if (in_line_property_ && text != nullptr) {
                    writer_.append(text->text);
                } else {
                    writer_.append(describe::content_text(content));
                }
            },
            [&](const LineProperty& line) {
                writer_.finish();
                in_line_property_ = true;
                if (const auto* heading = std::get_if<LineProperty::Heading>(&line)) {
                    writer_.append(std::string(static_cast<std::size_t>(heading->level) + 1, '#'));
                    writer_.append(" ");
                } else {
                    writer_.append("@ ");
                }
            },
            [&](const kerfa_content::data::types::LineBreak&) {
                in_line_property_ = false;
                writer_.finish();
            },
            [&](const Property& property) {
                if (const auto* element = property.as_element()) {
                    const std::size_t at = writer_.line(describe::element_open_text(*element));
                    opened_.push_back(
                        Opened{std::string(kinds::property_kind_name_or_unknown(element->id)), at});
                } else if (const auto* invalid = property.as_invalid()) {
                    const std::size_t at =
                        writer_.line(fmt::format("<{}{}>", invalid->name,
                                                 describe::attributes_text(invalid->attributes)),
                                     "\xE2\x9A\xA0 invalid element - markup dropped, content kept");
                    opened_.push_back(Opened{invalid->name.str(), at});
                } else {
                    shared::utils::internal_fault("An emptied property reached the indented view.");
                }
                writer_.deeper();
            },
            [&](const kerfa_content::data::types::PropertyTerminator&) {
                if (opened_.empty()) {
                    writer_.line("<>", "\xE2\x9A\xA0 closes NOTHING - stray terminator");
                    return;
                }
                const Opened span = std::move(opened_.back());
                opened_.pop_back();
                writer_.shallower();
                writer_.line("<>", closes(span.element, span.line_number));
            },
        },
        static_cast<const Data::variant&>(item));
}

// A list that ends closes what it left open; a terminator of a nested list may already have
// closed more than the list opened, so the count is compared, never subtracted.
void Walk::close_left_open(std::size_t entry_size) {
    while (opened_.size() > entry_size) {
        const Opened span = std::move(opened_.back());
        opened_.pop_back();
        writer_.shallower();
        writer_.line("", fmt::format("\xE2\x9A\xA0 <{}> (L{}) never closed - auto-closed here",
                                     span.element, span.line_number));
    }
}

void Walk::walk_children(std::span<const Data> items) {
    kerfa_content::utils::ItemWalk<ListState> walk(items, ListState{opened_.size(), 0});
    while (const auto step = walk.next()) {
        switch (step->event) {
            case kerfa_content::utils::WalkEvent::Enter:
                enter(*step->node->as_container(), walk.children_state());
                break;
            case kerfa_content::utils::WalkEvent::Exit:
                exit(*step->node->as_container(), walk.children_state());
                break;
            case kerfa_content::utils::WalkEvent::Leaf:
                leaf(*step->node);
                break;
        }
    }
    close_left_open(walk.state().entry_size);
}

void Walk::walk_container(const Container& container) {
    ListState children;
    enter(container, children);
    walk_children(container.children());
    exit(container, children);
}

}  // namespace kerfa_render_kerfa_indented::walk
