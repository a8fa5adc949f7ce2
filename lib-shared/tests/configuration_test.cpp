#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shared/components/configuration.hpp"

namespace {

using shared::components::parse_configuration;
using shared::components::parse_configuration_to_map;
using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs pairs_of(std::string_view text) {
    Pairs out;
    for (const auto& entry : parse_configuration(text)) {
        out.emplace_back(entry.name, entry.value);
    }
    return out;
}

TEST(ParseConfiguration, SplitsEachLineAtItsFirstSeparator) {
    struct Case {
        std::string text;
        Pairs expected;
    };
    const std::vector<Case> cases = {
        {"title: A long title", {{"title", "A long title"}}},
        {"title=A long title", {{"title", "A long title"}}},
        {"title = A long title", {{"title", "A long title"}}},
        {"title   :   A long title", {{"title", "A long title"}}},
        {"title A long title", {{"title", "A long title"}}},
        {"a = b", {{"a", "b"}}},
        // White space before a later colon is taken by the first alternative only at its start.
        {"a  b: c", {{"a", "b: c"}}},
        {"url: http://example.com/a?b=c", {{"url", "http://example.com/a?b=c"}}},
        {"key:value:more = x", {{"key", "value:more = x"}}},
        {"name:", {{"name", ""}}},
        {"name :", {{"name", ""}}},
        {": value", {{"", "value"}}},
        {"=", {{"", ""}}},
        {"oneword", {}},
        {"", {}},
        {"   \t  ", {}},
        {"# a: comment", {}},
        {"   # indented comment", {}},
        {"a#b: c", {{"a#b", "c"}}},
        {"  padded  :  value  ", {{"padded", "value"}}},
        {"a: 1\nb: 2\n", {{"a", "1"}, {"b", "2"}}},
        {"a: 1\r\nb: 2\r\n", {{"a", "1"}, {"b", "2"}}},
        {"a: 1\n\n\nb: 2", {{"a", "1"}, {"b", "2"}}},
        // A lone carriage return ends no line; it is white space inside the one line.
        {"a: 1\rb: 2", {{"a", "1\rb: 2"}}},
        // Unicode white space separates and trims: no-break space, ideographic space, U+2028.
        {"\u00a0name\u3000value\u2028", {{"name", "value"}}},
        {"name\u2003:\u2003value", {{"name", "value"}}},
        // U+180E is not white space: the line is one word.
        {"name\u180evalue", {}},
        {"\u180ename: v", {{"\u180ename", "v"}}},
        // Bytes that are not UTF-8 do not stop the split.
        {"n\xff: v\xfe", {{"n\xff", "v\xfe"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pairs_of(c.text), c.expected) << "text: " << c.text;
    }
}

TEST(ParseConfigurationToMap, LowerCasesNamesUnlessKeepCaseAndLaterLineWins) {
    const std::string text = "Title: First\ntitle: Second\nAUTHOR: Ann\nΣΟΦΙΑ: x\n";

    const auto folded = parse_configuration_to_map(text, false);
    EXPECT_EQ(folded.size(), 3u);
    ASSERT_NE(folded.find("title"), nullptr);
    EXPECT_EQ(*folded.find("title"), "Second");
    ASSERT_NE(folded.find("author"), nullptr);
    EXPECT_EQ(*folded.find("author"), "Ann");
    EXPECT_TRUE(folded.contains("σοφια"));
    EXPECT_EQ(folded.find("Title"), nullptr);

    const auto kept = parse_configuration_to_map(text, true);
    EXPECT_EQ(kept.size(), 4u);
    EXPECT_EQ(*kept.find("Title"), "First");
    EXPECT_EQ(*kept.find("title"), "Second");
    EXPECT_EQ(*kept.find("AUTHOR"), "Ann");
}

TEST(ParseConfigurationToMap, IteratesInTheOrderOfTheLineThatLastSetEachName) {
    // A consumer that folds case while inserting must see "Title: c" last.
    const auto map = parse_configuration_to_map("Title: a\ntitle: b\nTitle: c\nx: 1", true);
    std::vector<std::pair<std::string, std::string>> seen;
    for (const auto& entry : map) {
        seen.emplace_back(entry.name, entry.value);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"title", "b"}, {"Title", "c"}, {"x", "1"}};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(parse_configuration_to_map("", false).empty());
    const auto empty = parse_configuration_to_map("# only a comment", false);
    EXPECT_EQ(empty.begin(), empty.end());
}

}  // namespace
