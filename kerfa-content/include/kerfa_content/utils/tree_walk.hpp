#pragma once

// The one depth-first walk over a tree: an iterator that gives every node as an event, in
// document order, with its place in its list. A node with children is entered, its children
// follow, and it is left; a node without children is one Leaf event.
//
//   ItemWalk<> walk(document.children);
//   while (const auto step = walk.next()) {
//       switch (step->event) {
//           case WalkEvent::Enter: ...   // a container; its children come next
//           case WalkEvent::Leaf: ...    // any other item
//           case WalkEvent::Exit: ...    // the same container, after its children
//       }
//   }
//
// The stack of open lists is the walk's own, on the heap: any depth of nesting costs memory,
// never call stack. Enter and Exit always come in pairs, a container without children included.
//
// State per list. A walker that needs state for each list it walks (the spans open in it, the
// line it is on, the component that writes the container owning it) names its type as ListState.
// The walk keeps one per open list, made by default construction when the list is entered:
//   - state() is the state of the list that holds the node of the last step (for Enter and Exit,
//     the list around the container);
//   - children_state() is, after Enter, the fresh state of the container's children, for the
//     walker to fill (keep there what the container's Exit will need); after Exit, the state that
//     list ended with, for the walker to read or move from until the next step.
// The state of the top list is given to the constructor and stays readable after the walk.
//
// Shapes. The walk is written once for any tree; a Shape says what a node and a list are:
//   using Node; using List;                          // a List may be a view or an owned value
//   static std::size_t size(const List&);
//   static const Node& at(const List&, std::size_t);
//   static std::optional<List> children(const Node&);  // none for a leaf
// ItemShape walks a document's item lists; other trees (count tables) bring their own.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_content::utils {

enum class WalkEvent : std::uint8_t {
    Enter,  // a node with children; they come next, then its Exit
    Exit,   // the children of the node entered last and not yet left are done
    Leaf,   // a node without children; no Exit follows
};

// The state of a walk that keeps none per list.
struct NoListState {};

template <class Shape, class ListState = NoListState>
class TreeWalk {
  public:
    using Node = typename Shape::Node;
    using List = typename Shape::List;

    struct Step {
        WalkEvent event;
        const Node* node;
        std::size_t index;  // the node's position in its list
        std::size_t count;  // the number of nodes in its list
        std::size_t depth;  // of its list: 0 for the top list

        // Whether the node has a neighbour before it, and after it, in its list.
        bool not_first() const { return index > 0; }
        bool not_last() const { return index + 1 < count; }
    };

    explicit TreeWalk(List top, ListState top_state = {}) {
        frames_.push_back(Frame{std::move(top), 0, std::move(top_state)});
    }

    // The next event, or none when the walk is over.
    std::optional<Step> next() {
        Frame& top = frames_.back();
        const std::size_t count = Shape::size(top.list);
        if (top.next == count) {
            if (frames_.size() == 1) {
                last_ = Last::Done;
                return std::nullopt;
            }
            exited_ = std::move(frames_.back());
            frames_.pop_back();
            const Frame& parent = frames_.back();
            const std::size_t index = parent.next - 1;
            last_ = Last::Exit;
            return Step{WalkEvent::Exit, &Shape::at(parent.list, index), index,
                        Shape::size(parent.list), frames_.size() - 1};
        }
        const std::size_t index = top.next++;
        const Node& node = Shape::at(top.list, index);
        const std::size_t depth = frames_.size() - 1;
        if (std::optional<List> children = Shape::children(node)) {
            frames_.push_back(Frame{std::move(*children), 0, ListState{}});
            last_ = Last::Enter;
            return Step{WalkEvent::Enter, &node, index, count, depth};
        }
        last_ = Last::Leaf;
        return Step{WalkEvent::Leaf, &node, index, count, depth};
    }

    // The state of the list holding the node of the last step; the top list's before the first
    // step and after the last.
    ListState& state() {
        return last_ == Last::Enter ? frames_[frames_.size() - 2].state : frames_.back().state;
    }

    // After Enter, the entered container's children's state; after Exit, the left one's.
    ListState& children_state() {
        return last_ == Last::Exit ? exited_.state : frames_.back().state;
    }

    // The list holding the node of the last step (where a span's items lie, for one).
    const List& list() const {
        return last_ == Last::Enter ? frames_[frames_.size() - 2].list : frames_.back().list;
    }

    // After Enter: the container's children are not walked; its Exit is the next step.
    void skip_children() {
        if (last_ == Last::Enter) {
            frames_.back().next = Shape::size(frames_.back().list);
        }
    }

    // How many lists are open, the top one included.
    std::size_t open_lists() const { return frames_.size(); }

  private:
    struct Frame {
        List list;
        std::size_t next = 0;
        ListState state;
    };
    enum class Last : std::uint8_t { None, Enter, Exit, Leaf, Done };

    std::vector<Frame> frames_;
    Frame exited_{};
    Last last_ = Last::None;
};

// A document's items: containers are entered (their children are the list inside them), every
// other item is a leaf.
struct ItemShape {
    using Node = data::structure::Data;
    using List = std::span<const data::structure::Data>;

    static std::size_t size(const List& list) { return list.size(); }
    static const Node& at(const List& list, std::size_t index) { return list[index]; }
    static std::optional<List> children(const Node& item) {
        const auto* container = item.as_container();
        if (container == nullptr) {
            return std::nullopt;
        }
        return List(container->children());
    }
};

template <class ListState = NoListState>
using ItemWalk = TreeWalk<ItemShape, ListState>;

}  // namespace kerfa_content::utils
