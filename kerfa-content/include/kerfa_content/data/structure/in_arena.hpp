#pragma once

#include <optional>
#include <type_traits>
#include <utility>

#include "kerfa_content/data/storage/arena.hpp"
#include "kerfa_content/data/structure/data.hpp"

// Values moved into an arena with everything they own: what a parser builds there must hold
// nothing on the heap, so that a list of it can be released with the arena (see DataList).
// Containers are not moved here: their records go into the arena when they are opened and their
// children when they are closed (List::in_arena).
namespace kerfa_content::data::structure {

attributes::Attribute in_arena(storage::Arena& arena, attributes::Attribute&& attribute);

std::optional<types::Attributes> in_arena(storage::Arena& arena,
                                          std::optional<types::Attributes>&& attributes);

Content in_arena(storage::Arena& arena, Content&& content);

types::PropertyElement in_arena(storage::Arena& arena, types::PropertyElement&& element);
types::InvalidElement in_arena(storage::Arena& arena, types::InvalidElement&& element);

// A property boxed in the arena is taken to have been made there with all it holds.
types::Property in_arena(storage::Arena& arena, types::Property&& property);

// A block record (without children) in its arena box, as a container.
Container block_in_arena(storage::Arena& arena, types::Block&& block);

// Any item but a container.
Data in_arena(storage::Arena& arena, Data&& item);

// The record in a box of its own: in the arena with all it holds when there is one, else on the
// heap.
template <class T>
    requires(!std::is_reference_v<T>)
storage::Box<T> boxed(storage::Arena* arena, T&& record) {
    if (arena == nullptr) {
        return storage::Box<T>::make(std::move(record));
    }
    return storage::Box<T>::in_arena(*arena, in_arena(*arena, std::move(record)));
}

}  // namespace kerfa_content::data::structure
