#include "kerfa_test_tools/ui/console.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using kerfa_content::types::Count;
using kerfa_test_tools::ui::append_count;
using kerfa_test_tools::ui::append_count_summary;
using kerfa_test_tools::ui::append_item_count;

// Children are added out of order; a depth-3 name is longer than its column, a count is wider
// than 8 characters and one name is not ASCII (padded by characters, not bytes).
Count sample_tree() {
    Count root("Total");
    root.count = 12'345;
    root.add("Line Break").count = 2'147'483'647;
    root.add("\u00dcn\u00efcode").count = 1;
    root.add("Invalid element").count = 1;
    Count& content = root.add("Content");
    content.count = 5;
    content.add("Text").count = 5;
    Count& container = root.add("Container");
    container.count = 3;
    Count& block = container.add("Block");
    block.count = 2;
    block.add("table-heading-entry").count = 1;
    block.add("bullet").count = 1;
    return root;
}

TEST(CountReport, WholeTree) {
    std::string out;
    append_count(out, sample_tree());
    EXPECT_EQ(out,
              "Total                       12,345\n"
              "\n"
              "    Container                    3\n"
              "\n"
              "        Block                    2\n"
              "\n"
              "            bullet               1\n"
              "            table-heading-entry         1\n"
              "\n"
              "\n"
              "    Content                      5\n"
              "\n"
              "        Text                     5\n"
              "\n"
              "    Invalid element              1\n"
              "    Line Break            2,147,483,647\n"
              "    \u00dcn\u00efcode                      1\n"
              "\n"
              "\n");
}

TEST(CountReport, Summary) {
    std::string out;
    append_count_summary(out, sample_tree());
    EXPECT_EQ(out,
              "Total                       12,345\n"
              "\n"
              "    Container                    3\n"
              "    Content                      5\n"
              "    Invalid element              1\n"
              "    Line Break            2,147,483,647\n"
              "    \u00dcn\u00efcode                      1\n"
              "\n");
}

TEST(CountReport, RootWithoutChildren) {
    const Count root("Total");
    std::string summary;
    append_count_summary(summary, root);
    EXPECT_EQ(summary, "Total                            0\n\n");
    std::string tree;
    append_count(tree, root);
    EXPECT_EQ(tree, "Total                            0\n\n");
}

TEST(CountReport, ItemAtDepth) {
    Count block("Block");
    block.count = 1'000;
    block.add("card").count = 1'000;
    std::string out;
    append_item_count(out, block, 2);
    EXPECT_EQ(out,
              "        Block                1,000\n"
              "\n"
              "            card             1,000\n"
              "\n");
}

}  // namespace
