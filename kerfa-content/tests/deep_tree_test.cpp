#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/testing/model.hpp"
#include "kerfa_content/utils/data.hpp"
#include "kerfa_content/utils/section.hpp"

namespace {

using kerfa_content::data::structure::DataList;

using namespace kerfa_content::testing;
using kerfa_content::data::structure::Container;
using kerfa_content::data::types::Block;
using kerfa_content::data::types::Section;

// A section starting with a heading and holding a chain of blocks `depth` deep, each holding a
// letter before the next block; the innermost holds a link span.
Section deep_section(std::size_t depth) {
    Section root;
    root.children.push_back(heading(0));
    DataList* tail = &root.children;
    for (std::size_t level = 0; level < depth; ++level) {
        Block next{static_cast<std::uint16_t>(level % 14), std::nullopt, {}};
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

TEST(DeepTree, MillionLevelsBuiltWalkedAndDroppedWithoutRecursion) {
    constexpr std::size_t DEPTH = 1'000'000;
    Section section = deep_section(DEPTH);

    std::string plain;
    for (const auto& item : section.children) {
        item.text_append(plain);
    }
    EXPECT_EQ(plain.size(), DEPTH + 3);
    EXPECT_EQ(plain.substr(plain.size() - 4), "xend");
    EXPECT_EQ(kerfa_content::utils::get_content_starting_with(section.children, 1).size(),
              DEPTH + 3);
    kerfa_content::utils::update_from_heading(section);
    ASSERT_TRUE(section.name.has_value());
    EXPECT_EQ(section.name->size(), DEPTH + 3);

    // Replacing a tree by assignment releases it flat.
    Data whole(std::move(section));
    whole = text("small");
}

// Deep enough that a walk holding one call frame per level would exhaust the stack.
TEST(DeepTree, ClonedAndComparedWithoutRecursion) {
    constexpr std::size_t DEPTH = 200'000;
    Data original(deep_section(DEPTH));

    // Cloning a container walks its children with clone_items.
    Data copy = original.clone();
    EXPECT_EQ(copy, original);

    // A difference at the very bottom is found.
    DataList* tail = &copy.as_container()->children();
    while (tail->size() > 1 && tail->at(1).as_container() != nullptr) {
        tail = &tail->at(1).as_container()->children();
    }
    tail->back() = text("changed");
    EXPECT_NE(copy, original);
    EXPECT_NE(*copy.as_container()->as_section(), *original.as_container()->as_section());
}

}  // namespace
