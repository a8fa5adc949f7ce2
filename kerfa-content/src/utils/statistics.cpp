#include "kerfa_content/utils/statistics.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
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

// The items of a walk tallied by category and kind, then added to the counters in one go: a
// lookup of named counters per item would cost more than the walk itself.
struct Tally {
    std::size_t items = 0;
    std::map<data::kinds::BlockKind, std::int32_t> blocks;
    std::int32_t documents = 0;
    std::int32_t sections = 0;
    std::array<std::int32_t, std::variant_size_v<Content::variant>> contents{};
    std::int32_t headings = 0;
    std::int32_t taglines = 0;
    std::int32_t line_breaks = 0;
    std::map<data::kinds::PropertyKind, std::int32_t> properties;
    std::int32_t invalid_elements = 0;
    std::int32_t terminators = 0;
    // The kinds met so far, counted without a map look-up (ids below the array's size).
    std::array<std::int32_t, 32> block_ids{};
    std::array<std::int32_t, 32> property_ids{};

    void add(const Data& item) {
        ++items;
        if (const auto* container = item.as_container()) {
            if (const auto* block = container->as_block()) {
                count_id(block_ids, blocks, block->id);
            } else if (container->as_document() != nullptr) {
                ++documents;
            } else {
                ++sections;
            }
        } else if (const auto* content = item.as_content()) {
            ++contents[content->index()];
        } else if (const auto* line = item.as_line_property()) {
            ++(std::holds_alternative<data::types::Heading>(*line) ? headings : taglines);
        } else if (item.as_line_break() != nullptr) {
            ++line_breaks;
        } else if (const auto* property = item.as_property()) {
            if (const auto* element = property->as_element()) {
                count_id(property_ids, properties, element->id);
            } else {
                ++invalid_elements;
            }
        } else {
            ++terminators;
        }
    }

    template <class Id>
    static void count_id(std::array<std::int32_t, 32>& fast, std::map<Id, std::int32_t>& rest,
                         Id id) {
        if (id < fast.size()) {
            ++fast[id];
        } else {
            ++rest[id];
        }
    }

    template <class Id>
    static void merge_ids(const std::array<std::int32_t, 32>& fast,
                          std::map<Id, std::int32_t>& rest) {
        for (std::size_t id = 0; id < fast.size(); ++id) {
            if (fast[id] != 0) {
                rest[static_cast<Id>(id)] += fast[id];
            }
        }
    }

    // Adds n to the child of that name (made when missing) and gives it.
    static Count& bump(Count& parent, std::string_view name, std::int32_t n) {
        Count& child = parent.add(name);
        child.count += n;
        return child;
    }

    void add_to(Count& root) {
        static constexpr std::string_view kContentNames[] = {"Check", "Divider Line", "Html",
                                                             "Image", "Text"};
        static_assert(std::size(kContentNames) == std::variant_size_v<Content::variant>);
        merge_ids(block_ids, blocks);
        merge_ids(property_ids, properties);
        root.count += static_cast<std::int32_t>(items);
        std::int32_t block_count = 0;
        for (const auto& [id, n] : blocks) {
            block_count += n;
        }
        if (block_count + documents + sections != 0) {
            Count& containers = bump(root, "Container", block_count + documents + sections);
            if (block_count != 0) {
                Count& block = bump(containers, "Block", block_count);
                for (const auto& [id, n] : blocks) {
                    bump(block, data::kinds::block_kind_name(id), n);
                }
            }
            if (documents != 0) {
                bump(containers, "Document", documents);
            }
            if (sections != 0) {
                bump(containers, "Section", sections);
            }
        }
        std::int32_t content_count = 0;
        for (std::int32_t n : contents) {
            content_count += n;
        }
        if (content_count != 0) {
            Count& content = bump(root, "Content", content_count);
            for (std::size_t i = 0; i < contents.size(); ++i) {
                if (contents[i] != 0) {
                    bump(content, kContentNames[i], contents[i]);
                }
            }
        }
        if (headings + taglines != 0) {
            Count& lines = bump(root, "Line Property", headings + taglines);
            if (headings != 0) {
                bump(lines, "Heading", headings);
            }
            if (taglines != 0) {
                bump(lines, "Tagline", taglines);
            }
        }
        if (line_breaks != 0) {
            bump(root, "Line Break", line_breaks);
        }
        std::int32_t property_count = 0;
        for (const auto& [id, n] : properties) {
            property_count += n;
        }
        if (property_count != 0) {
            Count& property = bump(root, "Property", property_count);
            for (const auto& [id, n] : properties) {
                bump(property, data::kinds::property_kind_name(id), n);
            }
        }
        if (invalid_elements != 0) {
            bump(root, "Invalid element", invalid_elements);
        }
        if (terminators != 0) {
            bump(root, "Property Terminator", terminators);
        }
    }
};

}  // namespace

void add_counts(std::span<const Data> items, Count& root) {
    Tally tally;
    ItemWalk<> walk(items);
    while (const auto step = walk.next()) {
        if (step->event != WalkEvent::Exit) {
            tally.add(*step->node);
        }
    }
    tally.add_to(root);
}

Count calculate_counts(std::span<const Data> items) {
    Count root("Total");
    add_counts(items, root);
    return root;
}

}  // namespace kerfa_content::utils
