#include "data/structure/tree.hpp"

#include <utility>
#include <vector>

namespace kerfa_content::data::structure::tree {

void drop_items(DataList& items) noexcept {
    // Whole child lists move to the work list (a list move, not an item move); a list is then
    // freed holding only leaves and emptied containers, whose destruction goes no deeper. A list
    // of leaves needs no work list at all, and a pristine one is not even read.
    DataList list = std::move(items);
    items.clear();
    std::vector<DataList> pending;
    for (;;) {
        if (!list.is_pristine()) {
            for (Data& item : list) {
                if (auto* container = item.as_container()) {
                    auto* kids = children_of(*container);
                    if (kids != nullptr && !kids->empty() && !kids->is_pristine()) {
                        pending.push_back(std::move(*kids));
                    }
                }
            }
        }
        list.clear();
        if (pending.empty()) {
            return;
        }
        list = std::move(pending.back());
        pending.pop_back();
    }
}

bool same_state(const Container& a, const Container& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* block = a.as_block()) {
        const auto* other = b.as_block();
        return other != nullptr && block->id == other->id && block->attributes == other->attributes;
    }
    if (const auto* document = a.as_document()) {
        const auto* other = b.as_document();
        return other != nullptr && document->id == other->id && document->name == other->name &&
               document->source == other->source && document->metadata == other->metadata;
    }
    if (const auto* section = a.as_section()) {
        const auto* other = b.as_section();
        return other != nullptr && section->id == other->id && section->level == other->level &&
               section->name == other->name && section->metadata == other->metadata;
    }
    // Both moved-from.
    return children_of(b) == nullptr;
}

Data clone_shallow(const Data& item) {
    return std::visit(
        [](const auto& value) -> Data {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, Container>) {
                return value.clone_state();
            } else if constexpr (std::is_same_v<T, types::Property>) {
                return value.clone();
            } else {
                return value;
            }
        },
        item);
}

}  // namespace kerfa_content::data::structure::tree
