#include "kerfa_content/utils/statistics.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/testing/model.hpp"

namespace {

using namespace kerfa_content::testing;
using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::data::types::Block;
using kerfa_content::data::types::Document;
using kerfa_content::data::types::Heading;
using kerfa_content::data::types::InvalidElement;
using kerfa_content::data::types::LineBreak;
using kerfa_content::data::types::LineProperty;
using kerfa_content::data::types::Property;
using kerfa_content::data::types::PropertyElement;
using kerfa_content::data::types::PropertyTerminator;
using kerfa_content::data::types::Section;
using kerfa_content::data::types::Tagline;
using kerfa_content::types::Count;
using kerfa_content::utils::calculate_counts;

// The counter at the path below the root, or null.
const Count* at(const Count& root, std::initializer_list<std::string> path) {
    const Count* node = &root;
    for (const std::string& name : path) {
        node = node == nullptr ? nullptr : node->get(name);
    }
    return node;
}

struct Expected {
    std::initializer_list<std::string> path;
    std::int32_t count;
};

void expect_counts(const Count& root, std::int32_t total, std::vector<Expected> expected,
                   std::vector<std::string> root_children) {
    EXPECT_EQ(root.name, "Total");
    EXPECT_EQ(root.count, total);
    EXPECT_EQ(root.child_names(), root_children);
    for (const Expected& e : expected) {
        const Count* node = at(root, e.path);
        std::string joined;
        for (const auto& p : e.path) {
            joined += "/" + p;
        }
        ASSERT_NE(node, nullptr) << joined;
        EXPECT_EQ(node->count, e.count) << joined;
    }
}

TEST(CalculateCounts, EmptyListGivesBareTotal) {
    const Count root = calculate_counts({});
    expect_counts(root, 0, {}, {});
    EXPECT_FALSE(root.has_children());
}

TEST(CalculateCounts, SectionWithHeadingTextAndLineBreak) {
    std::vector<Data> children;
    children.emplace_back(LineProperty(Heading{0}));
    children.push_back(text("Title"));
    children.emplace_back(LineBreak{false});
    std::vector<Data> content;
    content.push_back(section(std::move(children)));
    expect_counts(calculate_counts(content), 4,
                  {{{"Container"}, 1},
                   {{"Container", "Section"}, 1},
                   {{"Line Property"}, 1},
                   {{"Line Property", "Heading"}, 1},
                   {{"Content"}, 1},
                   {{"Content", "Text"}, 1},
                   {{"Line Break"}, 1}},
                  {"Container", "Content", "Line Break", "Line Property"});
}

// Every kind of item once, and containers nested three deep: nested items add to the same
// counters as top-level ones, and the root counts every item at every depth.
TEST(CalculateCounts, EveryItemKindAtEveryDepth) {
    std::vector<Data> entry_children;
    entry_children.push_back(text("a"));
    entry_children.emplace_back(Property(PropertyElement{0, std::nullopt, false}));
    entry_children.push_back(text("b"));
    entry_children.emplace_back(PropertyTerminator{});
    std::vector<Data> bullet_children;
    bullet_children.push_back(block(3, std::move(entry_children)));
    bullet_children.push_back(block(3, {}));

    std::vector<Data> first;
    first.emplace_back(LineProperty(Tagline{}));
    first.push_back(block(2, std::move(bullet_children)));
    first.emplace_back(Content(Content::Check{true}));
    first.emplace_back(Content(Content::DividerLine{}));
    first.emplace_back(Content(Content::Html{"<i>"}));
    first.emplace_back(Content(Content::Image{}));
    first.emplace_back(Property(InvalidElement{"zz", std::nullopt}));
    first.emplace_back(PropertyTerminator{});
    first.emplace_back(Property(PropertyElement{25, std::nullopt, true}));
    first.emplace_back(LineBreak{true});

    std::vector<Data> inner_section;
    inner_section.push_back(block(0, {}));
    Document document;
    document.children.push_back(section(std::move(inner_section)));

    std::vector<Data> content;
    content.push_back(section(std::move(first)));
    content.push_back(Container(std::move(document)));

    // 2 sections + 1 document + 4 blocks = 7 containers; 7 contents; 1 tagline; 3 properties
    // (one invalid); 2 terminators; 1 line break.
    expect_counts(calculate_counts(content), 20,
                  {{{"Container"}, 7},
                   {{"Container", "Section"}, 2},
                   {{"Container", "Document"}, 1},
                   {{"Container", "Block"}, 4},
                   {{"Container", "Block", "bullet"}, 1},
                   {{"Container", "Block", "bullet-entry"}, 2},
                   {{"Container", "Block", "block"}, 1},
                   {{"Content"}, 6},
                   {{"Content", "Text"}, 2},
                   {{"Content", "Check"}, 1},
                   {{"Content", "Divider Line"}, 1},
                   {{"Content", "Html"}, 1},
                   {{"Content", "Image"}, 1},
                   {{"Line Property", "Tagline"}, 1},
                   {{"Property"}, 2},
                   {{"Property", "bold"}, 1},
                   {{"Property", "document?"}, 1},
                   {{"Invalid element"}, 1},
                   {{"Property Terminator"}, 2},
                   {{"Line Break"}, 1}},
                  {"Container", "Content", "Invalid element", "Line Break", "Line Property",
                   "Property", "Property Terminator"});
}

TEST(CalculateCounts, TwoHundredThousandLevelsDeep) {
    constexpr std::int32_t kDepth = 200'000;
    Data nested = block(6, {});
    for (std::int32_t i = 1; i < kDepth; ++i) {
        std::vector<Data> children;
        children.push_back(std::move(nested));
        nested = block(6, std::move(children));
    }
    std::vector<Data> content;
    content.push_back(section({}));
    content.back().as_container()->append(std::move(nested));

    expect_counts(calculate_counts(content), kDepth + 1,
                  {{{"Container"}, kDepth + 1},
                   {{"Container", "Section"}, 1},
                   {{"Container", "Block"}, kDepth},
                   {{"Container", "Block", "indent"}, kDepth}},
                  {"Container"});
}

}  // namespace
