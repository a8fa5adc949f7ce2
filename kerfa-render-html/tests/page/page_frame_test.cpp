#include "page/page_frame.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace kerfa_render_html::page {
namespace {

TEST(PageFrame, PiecesHaveTheirExactSizesAndEnds) {
    EXPECT_EQ(kPageHead.size(), 180u);
    EXPECT_EQ(kStyleOpen.size(), 26u);
    EXPECT_EQ(kStyleClose.size(), 26u);
    EXPECT_EQ(kPageEnd.size(), 17u);
    EXPECT_TRUE(kPageHead.starts_with("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n\t<meta "));
    EXPECT_NE(kPageHead.find("charset=UTF-8\" >\n\t<meta name"), std::string_view::npos);
    EXPECT_TRUE(kPageHead.ends_with("initial-scale=1.0\">"));
    EXPECT_TRUE(kPageEnd.ends_with("</html>"));
}

std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

TEST(StyleSheet, KeepsItsFirstAndLastLineAndEndsWithALineFeed) {
    const std::string_view sheet = style_sheet();
    const auto lines = lines_of(sheet);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "@charset \"UTF-8\";");
    EXPECT_EQ(lines.back(), "/*# sourceMappingURL=kerfa-html-file.css.map */");
    EXPECT_TRUE(sheet.ends_with("*/\n"));
    EXPECT_FALSE(sheet.ends_with("\n\n"));
    EXPECT_EQ(std::count(sheet.begin(), sheet.end(), '{'),
              std::count(sheet.begin(), sheet.end(), '}'));
    EXPECT_EQ(sheet.find('\t'), std::string_view::npos);
}

// The writer's markup relies on these rules; they must stand in this order.
TEST(StyleSheet, HoldsTheRulesTheMarkupNeedsInOrder) {
    const std::vector<std::string_view> in_order = {
        "html {",
        "-webkit-tap-highlight-color",
        "font-size: 14px;",
        ".byline-2 {",
        "box-sizing: border-box;",
        "--link-active-color:",
        "--section-background:",
        "@media (prefers-color-scheme: light) {",
        "color: var(--foreground);",
        "--popup-help-background:",
        "overflow-x: hidden;",
        "--kerfa-color:",
        "--kerfa-warning-color:",
        "white-space: pre-wrap;",
        "section h1 {\n  font-size: 2.5em;",
        "section h6 {\n  font-size: 1.25em;",
        "list-style-position: inside;",
        "ul.default > li::before {\n  content: \"•\";",
        "ul.asterisk > li::before {\n  content: \"*\";",
        "ul.dash > li::before {\n  content: \"-\";",
        "ul.plus > li::before {\n  content: \"+\";",
        ".badge {",
        "border-left: 0.1875em solid var(--kerfa-box-sideline);",
        "JetBrains Mono",
        ".fixed {",
        "white-space: pre;",
        "var(--kerfa-highlight-background)",
        "var(--section-highlight)",
        ".not-light {",
        ".not-dark {",
        "display: inline-table;",
        "padding: 0 1em 0 0;",
        ".pad-t1 td,",
        ".outlined {",
        ".column {",
        ".grid td,",
        ".row tr {",
        ".striped td,",
        "thead.inverse,",
        ".content {\n  white-space: pre-wrap;",
    };
    const std::string_view sheet = style_sheet();
    std::size_t from = 0;
    for (std::string_view piece : in_order) {
        const std::size_t at = sheet.find(piece, from);
        ASSERT_NE(at, std::string_view::npos) << piece;
        from = at + piece.size();
    }
}

TEST(StyleSheet, DefinesEveryDocumentColourForBothSchemes) {
    const std::vector<std::string_view> names = {
        "--kerfa-color",
        "--kerfa-background",
        "--kerfa-background-inverse",
        "--kerfa-box-background",
        "--kerfa-box-sideline",
        "--kerfa-box-in-box-background",
        "--kerfa-caution-color",
        "--kerfa-code-background",
        "--kerfa-dim-color",
        "--kerfa-divider-line",
        "--kerfa-highlight-background",
        "--kerfa-important-color",
        "--kerfa-link-color",
        "--kerfa-link-focus-color",
        "--kerfa-note-color",
        "--kerfa-outline-color",
        "--kerfa-outline-in-box-color",
        "--kerfa-stripe-background",
        "--kerfa-stripe-in-box-background",
        "--kerfa-tag-highlight",
        "--kerfa-tagline-color",
        "--kerfa-var-color",
        "--kerfa-warning-color",
        "--foreground",
        "--background",
        "--placeholder-color",
        "--quiet-color",
        "--link-color",
        "--link-hover-color",
        "--link-active-color",
        "--section-background",
        "--popup-help-background",
    };
    const std::string sheet(style_sheet());
    for (std::string_view name : names) {
        const std::string definition = "  " + std::string(name) + ": ";
        const std::size_t first = sheet.find(definition);
        ASSERT_NE(first, std::string::npos) << name;
        EXPECT_NE(sheet.find("  " + definition, first), std::string::npos)
            << name << " has no light value";
    }
}

}  // namespace
}  // namespace kerfa_render_html::page
