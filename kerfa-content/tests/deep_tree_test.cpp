#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/utils/data.hpp"
#include "kerfa_content/utils/section.hpp"
#include "model_builders.hpp"

namespace {

using namespace kerfa_content::testing;
using kerfa_content::data::structure::Container;
using kerfa_content::data::types::Block;
using kerfa_content::data::types::Section;

constexpr std::size_t DEPTH = 1'000'000;

// A section holding a chain of blocks DEPTH deep, each holding a letter before the next block;
// the innermost holds a link span.
Section deep_section() {
    Section root;
    root.children.push_back(heading(0));
    std::vector<Data>* tail = &root.children;
    for (std::size_t depth = 0; depth < DEPTH; ++depth) {
        Block next{static_cast<std::uint16_t>(depth % 14), std::nullopt, {}};
        next.children.reserve(2);
        next.children.emplace_back(Content::Text{"x"});
        tail->emplace_back(std::move(next));
        tail = &tail->back().as_container()->children();
    }
    tail->push_back(open(kerfa_content::data::kinds::property_kind::LINK));
    tail->push_back(text("end"));
    tail->push_back(close());
    return root;
}

TEST(DeepTree, BuiltWalkedClonedComparedAndDroppedWithoutRecursion) {
    Section section = deep_section();

    std::string plain;
    for (const auto& item : section.children) {
        item.text_append(plain);
    }
    EXPECT_EQ(plain.size(), DEPTH + 3);
    EXPECT_EQ(plain.substr(plain.size() - 4), "xend");
    EXPECT_EQ(kerfa_content::utils::get_content_starting_with(section.children, 1).size(),
              DEPTH + 3);

    Section copy = section.clone_state();
    copy.children = kerfa_content::data::structure::clone_items(section.children);
    EXPECT_EQ(copy, section);

    // A difference at the very bottom is found.
    std::vector<Data>* tail = &copy.children;
    while (tail->size() > 1 && tail->at(1).as_container() != nullptr) {
        tail = &tail->at(1).as_container()->children();
    }
    tail->back() = text("changed");
    EXPECT_NE(copy, section);

    // Replacing a tree by assignment and dropping one both release it flat.
    Data whole(std::move(copy));
    whole = text("small");
}

}  // namespace
