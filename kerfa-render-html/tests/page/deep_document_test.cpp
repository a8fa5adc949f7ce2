// Documents hundreds of thousands of levels deep are written without recursion and in time
// linear in their size.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "support/items.hpp"

namespace html_test {
namespace {

constexpr std::size_t kDepth = 200'000;

std::size_t count(const std::string& text, const std::string& piece) {
    std::size_t found = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos;
         at = text.find(piece, at + piece.size())) {
        ++found;
    }
    return found;
}

TEST(DeepDocument, NestedSpansThatNeedTheirTextStayLinear) {
    Items items;
    items.reserve(2 * kDepth + 1);
    for (std::size_t i = 0; i < kDepth; ++i) {
        items.push_back(property(i % 2 == 0 ? 28 : 0, std::nullopt, i % 2 == 0));
    }
    items.push_back(text_item("x"));
    for (std::size_t i = 0; i < kDepth; ++i) {
        items.push_back(terminator());
    }
    const std::string body = render_body(list(section(0, std::move(items))));
    // The text is the innermost link's address alone; the links around it have an empty one.
    EXPECT_EQ(count(body, "<a class=\"link\" href=\"x\">"), 1u);
    EXPECT_EQ(count(body, "<a class=\"link\" href=\"\">"), kDepth / 2 - 1);
    EXPECT_EQ(count(body, "<strong>"), kDepth / 2);
    EXPECT_EQ(count(body, "</a>"), kDepth / 2);
    EXPECT_TRUE(body.ends_with("</strong></a></section>"));
}

TEST(DeepDocument, NestedBlocksAreWalkedWithoutRecursion) {
    Data inner = block(0, std::nullopt, list(text_item("x")));
    for (std::size_t i = 1; i < kDepth; ++i) {
        inner = block(i % 2 == 0 ? 0 : 4, std::nullopt, list(std::move(inner)));
    }
    const std::string body = render_body(list(section(0, list(std::move(inner)))));
    EXPECT_EQ(count(body, "<div class=\"block\">"), kDepth / 2);
    EXPECT_EQ(count(body, "<div class=\"card\">"), kDepth / 2);
    EXPECT_EQ(count(body, "</div>"), kDepth);
    EXPECT_NE(body.find(">x<"), std::string::npos);
}

}  // namespace
}  // namespace html_test
