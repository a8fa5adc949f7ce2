#pragma once

#include "kerfa_content/data/structure/data.hpp"

// Walks over whole subtrees, all with explicit work lists so that no depth of nesting can
// exhaust the call stack. A list that is used up is not kept when its last item's children are
// entered, so a chain of single containers needs no frame per level.
namespace kerfa_content::data::structure::tree {

// The children of whatever record the container holds; null for a moved-from container.
inline const DataList* children_of(const Container& container) noexcept {
    switch (container.index()) {
        case 0: {
            const auto& box = *std::get_if<0>(&container);
            return box ? &box->children : nullptr;
        }
        case 1: {
            const auto& box = *std::get_if<1>(&container);
            return box ? &box->children : nullptr;
        }
        case 2: {
            const auto& box = *std::get_if<2>(&container);
            return box ? &box->children : nullptr;
        }
        default:
            return nullptr;
    }
}

inline DataList* children_of(Container& container) noexcept {
    return const_cast<DataList*>(children_of(static_cast<const Container&>(container)));
}

// The rest of a list still to visit.
struct Range {
    const Data* next;
    const Data* end;
};

inline Range range_of(const DataList& items) {
    return {items.data(), items.data() + items.size()};
}

// Frees every item of the list and everything below it, leaving the list empty. A pristine
// arena list (see DataList) holds nothing that needs freeing and is dropped whole.
void drop_items(DataList& items) noexcept;

// The fields of a container other than its children, compared.
bool same_state(const Container& a, const Container& b);

// A copy of one item; a container is copied without its children.
Data clone_shallow(const Data& item);

}  // namespace kerfa_content::data::structure::tree
