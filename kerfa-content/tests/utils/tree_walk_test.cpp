#include "kerfa_content/utils/tree_walk.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "kerfa_content/testing/model.hpp"

namespace {

using kerfa_content::data::structure::DataList;

using namespace kerfa_content::testing;
using kerfa_content::utils::ItemWalk;
using kerfa_content::utils::WalkEvent;

// "E" enter, "X" exit, "L" leaf; then what the item is, its place "index/count" and its depth.
std::string describe(const Data& item) {
    if (const auto* container = item.as_container()) {
        if (const auto* block = container->as_block()) {
            return "b" + std::to_string(block->id);
        }
        return container->as_section() != nullptr ? "section" : "document";
    }
    if (const auto* content = item.as_content()) {
        return "'" + content->text() + "'";
    }
    return item.is_terminator() ? "close" : "other";
}

std::string trace(const DataList& items) {
    std::string out;
    ItemWalk<> walk(items);
    while (const auto step = walk.next()) {
        const char* event = step->event == WalkEvent::Enter  ? "E"
                            : step->event == WalkEvent::Exit ? "X"
                                                             : "L";
        out += event;
        out += " " + describe(*step->node) + " " + std::to_string(step->index) + "/" +
               std::to_string(step->count) + " d" + std::to_string(step->depth) + "; ";
    }
    return out;
}

TEST(TreeWalk, GivesEveryItemInDocumentOrderWithItsPlace) {
    struct Case {
        const char* name;
        DataList items;
        std::string expected;
    };
    std::vector<Case> cases;
    cases.push_back({"empty list", list(), ""});
    cases.push_back({"leaves only", list(text("a"), close()), "L 'a' 0/2 d0; L close 1/2 d0; "});
    cases.push_back({"a childless container is entered and left", list(block(3)),
                     "E b3 0/1 d0; X b3 0/1 d0; "});
    cases.push_back(
        {"nested containers, each left after its children and before the next item",
         list(text("a"), block(2, list(text("b"), block(3), text("c"))),
              section(list(heading(0), text("d"))), document(list(section()))),
         "L 'a' 0/4 d0; E b2 1/4 d0; L 'b' 0/3 d1; E b3 1/3 d1; X b3 1/3 d1; L 'c' 2/3 d1; "
         "X b2 1/4 d0; E section 2/4 d0; L other 0/2 d1; L 'd' 1/2 d1; X section 2/4 d0; "
         "E document 3/4 d0; E section 0/1 d1; X section 0/1 d1; X document 3/4 d0; "});
    for (const Case& c : cases) {
        EXPECT_EQ(trace(c.items), c.expected) << c.name;
    }
}

// A walker that keeps per list how many items it saw and what enclosed it, the way a writer
// keeps its open spans and its container's component.
TEST(TreeWalk, KeepsAStatePerListForTheWalker) {
    struct Seen {
        std::string owner = "top";
        std::size_t items = 0;
    };
    const auto items =
        list(text("a"), block(4, list(text("b"), block(5, list(text("c"))))), text("d"));
    ItemWalk<Seen> walk(items, Seen{"top", 0});
    std::vector<std::string> closed;
    while (const auto step = walk.next()) {
        switch (step->event) {
            case WalkEvent::Enter:
                ++walk.state().items;
                walk.children_state().owner = describe(*step->node);
                break;
            case WalkEvent::Leaf:
                ++walk.state().items;
                break;
            case WalkEvent::Exit:
                // The left list's state, then the list around the container again.
                closed.push_back(walk.children_state().owner + ":" +
                                 std::to_string(walk.children_state().items) + " in " +
                                 walk.state().owner);
                break;
        }
    }
    EXPECT_EQ(closed, (std::vector<std::string>{"b5:1 in b4", "b4:2 in top"}));
    EXPECT_EQ(walk.state().owner, "top");
    EXPECT_EQ(walk.state().items, 3u);
}

TEST(TreeWalk, SkipsAContainersChildrenWhenAsked) {
    const auto items = list(block(0, list(text("hidden"), block(1))), text("after"));
    ItemWalk<> walk(items);
    std::vector<WalkEvent> events;
    while (const auto step = walk.next()) {
        events.push_back(step->event);
        if (step->event == WalkEvent::Enter) {
            walk.skip_children();
        }
    }
    EXPECT_EQ(events, (std::vector<WalkEvent>{WalkEvent::Enter, WalkEvent::Exit, WalkEvent::Leaf}));
}

TEST(TreeWalk, NeighbourFlagsCountEveryItemOfTheList) {
    const auto items = list(block(0), text("x"), block(1));
    ItemWalk<> walk(items);
    std::string flags;
    while (const auto step = walk.next()) {
        if (step->event == WalkEvent::Enter) {
            flags += std::string(step->not_first() ? "F" : "-") + (step->not_last() ? "L" : "-");
        }
    }
    EXPECT_EQ(flags, "-LF-");
}

// A million nested blocks: a walk that used a call frame per level would exhaust the stack.
TEST(TreeWalk, WalksAMillionLevels) {
    constexpr std::size_t kDepth = 1'000'000;
    DataList top;
    DataList* tail = &top;
    for (std::size_t level = 0; level < kDepth; ++level) {
        tail->push_back(block(static_cast<std::uint16_t>(level % 14), list(text("x"))));
        tail = &tail->back().as_container()->children();
    }
    tail->push_back(text("bottom"));

    ItemWalk<> walk(top);
    std::size_t enters = 0;
    std::size_t exits = 0;
    std::size_t leaves = 0;
    std::size_t deepest = 0;
    std::size_t open_at_bottom = 0;
    while (const auto step = walk.next()) {
        switch (step->event) {
            case WalkEvent::Enter:
                ++enters;
                break;
            case WalkEvent::Exit:
                ++exits;
                break;
            case WalkEvent::Leaf:
                ++leaves;
                if (step->depth > deepest) {
                    deepest = step->depth;
                    open_at_bottom = walk.open_lists();
                }
                break;
        }
    }
    EXPECT_EQ(enters, kDepth);
    EXPECT_EQ(exits, kDepth);
    EXPECT_EQ(leaves, kDepth + 1);
    EXPECT_EQ(deepest, kDepth);
    EXPECT_EQ(open_at_bottom, kDepth + 1);
}

}  // namespace
