#include "kerfa_content/utils/statistics.hpp"

#include <iterator>
#include <string_view>
#include <variant>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_content/utils/tree_walk.hpp"

namespace kerfa_content::utils {

using data::structure::Container;
using data::structure::Content;
using data::structure::Data;
using types::Count;

namespace {

// The child of that name, incremented.
Count& bump(Count& parent, std::string_view name) {
    Count& child = parent.add(name);
    ++child.count;
    return child;
}

void count_container(const Container& container, Count& root) {
    Count& containers = bump(root, "Container");
    if (const auto* block = container.as_block()) {
        bump(bump(containers, "Block"), data::kinds::block_kind_name(block->id));
    } else if (container.as_document() != nullptr) {
        bump(containers, "Document");
    } else {
        bump(containers, "Section");
    }
}

std::string_view content_name(const Content& content) {
    static constexpr std::string_view kNames[] = {"Check", "Divider Line", "Html", "Image", "Text"};
    static_assert(std::size(kNames) == std::variant_size_v<Content::variant>);
    return kNames[content.index()];
}

void count_item(const Data& item, Count& root) {
    ++root.count;
    if (const auto* container = item.as_container()) {
        count_container(*container, root);
    } else if (const auto* content = item.as_content()) {
        bump(bump(root, "Content"), content_name(*content));
    } else if (const auto* line = item.as_line_property()) {
        bump(bump(root, "Line Property"),
             std::holds_alternative<data::types::Heading>(*line) ? "Heading" : "Tagline");
    } else if (item.as_line_break() != nullptr) {
        bump(root, "Line Break");
    } else if (const auto* property = item.as_property()) {
        if (const auto* element = property->as_element()) {
            bump(bump(root, "Property"), data::kinds::property_kind_name(element->id));
        } else {
            bump(root, "Invalid element");
        }
    } else {
        bump(root, "Property Terminator");
    }
}

}  // namespace

void add_counts(std::span<const Data> items, Count& root) {
    ItemWalk<> walk(items);
    while (const auto step = walk.next()) {
        if (step->event != WalkEvent::Exit) {
            count_item(*step->node, root);
        }
    }
}

Count calculate_counts(std::span<const Data> items) {
    Count root("Total");
    add_counts(items, root);
    return root;
}

}  // namespace kerfa_content::utils
