#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "tokenize.hpp"

namespace kerfa_parser_kerfa::test {
namespace {

using components::char_iterator::DoubleTagMode;
using tokenizer::types::Token;

struct Expected {
    Token token;
    std::size_t line;
    bool operator==(const Expected&) const = default;
};

Expected el(std::string name, std::size_t line = 1) {
    return {Token::Element{std::move(name)}, line};
}
Expected attr(std::string value, std::size_t line = 1) {
    return {Token::ElementAttribute{std::move(value)}, line};
}
Expected complete(std::size_t line = 1) {
    return {Token::ElementComplete{}, line};
}
Expected term(std::size_t line = 1) {
    return {Token::ElementTerminator{}, line};
}
Expected heading(std::uint8_t count, std::size_t line = 1) {
    return {Token::Heading{count}, line};
}
Expected nl(bool cr, std::size_t line = 1) {
    return {Token::Newline{cr}, line};
}
Expected tagline(std::size_t line = 1) {
    return {Token::Tagline{}, line};
}
Expected text(std::string t, std::size_t line = 1) {
    return {Token::Text{std::move(t)}, line};
}
Expected orphan(std::size_t line = 1) {
    return {Token::OrphanedElementOpen{}, line};
}
Expected unterminated(std::size_t line = 1) {
    return {Token::UnterminatedElement{}, line};
}

// Readable failures: the token's name, its payload and its line.
void PrintTo(const Expected& expected, std::ostream* out) {
    *out << expected.token.name() << "(";
    std::visit(
        [out](const auto& alternative) {
            using T = std::decay_t<decltype(alternative)>;
            if constexpr (std::is_same_v<T, Token::Element>) {
                *out << testing::PrintToString(alternative.name);
            } else if constexpr (std::is_same_v<T, Token::ElementAttribute>) {
                *out << testing::PrintToString(alternative.value);
            } else if constexpr (std::is_same_v<T, Token::Text>) {
                *out << testing::PrintToString(alternative.text);
            } else if constexpr (std::is_same_v<T, Token::Heading>) {
                *out << static_cast<int>(alternative.count);
            } else if constexpr (std::is_same_v<T, Token::Newline>) {
                *out << (alternative.carriage_return ? "cr" : "lf");
            }
        },
        expected.token.value);
    *out << ")@" << expected.line;
}

struct TokenCase {
    std::string input;
    std::vector<Expected> tokens;
    std::optional<std::size_t> unexpected_end_line = std::nullopt;
    DoubleTagMode mode = DoubleTagMode::Off;
};

std::vector<Expected> without_line_starts(const Tokenized& tokenized) {
    std::vector<Expected> seen;
    for (const auto& located : tokenized.tokens) {
        seen.push_back({located.token, located.line});
    }
    return seen;
}

void expect_tokens(const std::vector<TokenCase>& cases) {
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "input '" << c.input << "' mode " << static_cast<int>(c.mode));
        const Tokenized tokenized = tokenize(c.input, c.mode);
        EXPECT_EQ(without_line_starts(tokenized), c.tokens);
        EXPECT_EQ(tokenized.unexpected_end_line, c.unexpected_end_line);
    }
}

TEST(TokenizerTest, LineStartsGiveHeadingsAndTaglines) {
    expect_tokens({
        {"# Title", {heading(0), text("Title")}},
        {"###x", {heading(2), text("x")}},
        {"#  x", {heading(0), text(" x")}},
        {"#\tT", {heading(0), text("\tT")}},
        {"#", {heading(0)}},
        {"#\nx", {heading(0), nl(false), text("x", 2)}},
        {std::string(256, '#'), {heading(255)}},
        {std::string(257, '#') + " t", {heading(0), text("t")}},
        {"@ note", {tagline(), text("note")}},
        {"@@", {tagline(), text("@")}},
        {"a @b #c", {text("a @b #c")}},
        {"\\#1\n\\@x", {text("#1"), nl(false), text("@x", 2)}},
        {"a<b>#x\n#y",
         {text("a"), el("b"), complete(), text("#x"), nl(false), heading(0, 2), text("y", 2)}},
    });
}

TEST(TokenizerTest, LineEndsAndEscapesInText) {
    expect_tokens({
        {"a\r\nb", {text("a"), nl(true), text("b", 2)}},
        {"a\rb", {text("a"), nl(true), text("b", 2)}},
        {"\r\r\n\n", {nl(true), nl(true, 2), nl(false, 3)}},
        {"\\\r\nx", {text("\r"), nl(false), text("x", 2)}},
        {"a\\\nb", {text("a\nb")}},
        {"a\\nb\\tc\\rd\\qe\\\\f\\>\\\"", {text("a\nb\tc\rdqe\\f>\"")}},
        {"x\\", {text("x\\")}},
        {"\u00e9\u20ac \U0001F600", {text("\u00e9\u20ac \U0001F600")}},
    });
}

TEST(TokenizerTest, OpenAngleThatStartsNoElement) {
    expect_tokens({
        {"< b", {text("< b")}},
        {"a <\tb", {text("a "), text("<\tb")}},
        {"<\nb", {text("<"), nl(false), text("b", 2)}},
        {"<\r\nb", {text("<"), nl(true), text("b", 2)}},
        {"<>", {term()}},
        {"a<", {text("a"), orphan()}},
        {"<", {orphan()}},
    });
}

TEST(TokenizerTest, ElementNames) {
    expect_tokens({
        {"<b>x<>", {el("b"), complete(), text("x"), term()}},
        {"<bo\\ld>", {el("bold"), complete()}},
        {"<a\\tb>", {el("atb"), complete()}},
        {"<b<i>>", {el("bi"), complete(), text(">")}},
        {"<\\b>", {el("\\b"), complete()}},
        {"<\u00a0b>", {el("\u00a0b"), complete()}},
        {"<{}>", {el("{}"), complete()}},
        {"<b", {el("b")}},
        {"<b ", {el("b"), unterminated()}},
        {"<b a", {el("b"), attr("a")}},
    });
}

TEST(TokenizerTest, AttributeWords) {
    expect_tokens({
        {"<Color \"dark red\">", {el("Color"), attr("dark red"), complete()}},
        {"<card \"dark>red\">", {el("card"), attr("dark"), complete(), text("red\">")}},
        {"<x 'it''s'>", {el("x"), attr("it"), attr("s"), complete()}},
        {"<x \"a\"b>", {el("x"), attr("a"), attr("b"), complete()}},
        {"<x \"a\\\"b\\n\">", {el("x"), attr("a\"b\n"), complete()}},
        {"<x \"l1\nl2\">y", {el("x"), attr("l1\nl2"), complete(2), text("y", 2)}},
        {"<x a\\ b>", {el("x"), attr("a b"), complete()}},
        {"<x a b>", {el("x"), attr("a"), attr("b"), complete()}},
        {"<x a<b>", {el("x"), attr("a"), attr("<b"), complete()}},
        {"<x \\>y>", {el("x"), attr(">y"), complete()}},
        {"<x\u00a0y>", {el("x"), attr("y"), complete()}},
        {"<x  \t\r\n a >", {el("x"), attr("a"), complete(2)}},
        {"<x a\r\n>", {el("x"), attr("a"), complete(1)}},
        {"<x a\\", {el("x"), attr("a\\")}},
        {"<x \"a\\", {el("x"), attr("a\\")}},
        {"<x \\", {el("x"), attr("\\")}},
        {"<x \"abc", {el("x"), attr("abc")}},
        {"<b \\x>", {el("b"), attr("x"), complete()}},
    });
}

TEST(TokenizerTest, RawElements) {
    expect_tokens({
        {"<META>key: v<>", {el("META"), complete(), text("key: v")}},
        {"<META>key: v<>z", {el("META"), complete(), text("key: v"), term(), text("z")}},
        {"<meta>a\n<>\nb",
         {el("meta"), complete(), text("a\n"), term(2), nl(false, 2), text("b", 3)}},
        {"<html-block>a\\nb<\\n\\<>c<>", {el("html-block"), complete(), text("a\nb<\\n<>c")}},
        {"<Html_Block># no\n@ t<>", {el("Html_Block"), complete(), text("# no\n@ t")}},
        {"<meta><>", {el("meta"), complete(), text("")}},
        {"<html>x", {el("html"), complete(), text("x")}},
        // Full lower-casing: the Kelvin sign is a "k"; a Cyrillic look-alike is not an "a".
        {"<HTML-BLOC\u212A>x<>", {el("HTML-BLOC\u212A"), complete(), text("x")}},
        {"<met\u0430>x<>", {el("met\u0430"), complete(), text("x"), term()}},
        {"<m\\eta>", {el("meta"), complete()}, 1},
        // The end of input inside a raw body is recorded with the element's line.
        {"<meta>ab<", {el("meta"), complete(), text("ab<")}, 1},
        {"<meta>", {el("meta"), complete()}, 1},
        {"x\n<metadata>\n  k: v\n",
         {text("x"), nl(false), el("metadata", 2), complete(2), text("\n  k: v\n", 2)},
         2},
        {"<meta \\x 'q'>", {el("meta"), attr("\\x"), attr("q"), complete()}, 1},
        {"<meta>a\\", {el("meta"), complete(), text("a\\")}, 1},
    });
}

TEST(TokenizerTest, FilteredInputKeepsTheLinesOfTheRawFile) {
    expect_tokens({
        {"a<<p>>\nsecret\n<<>>b\nc",
         {text("ab"), nl(false, 3), text("c", 4)},
         std::nullopt,
         DoubleTagMode::RemovePrivate},
        {"<<p>>x<<>># H", {heading(0), text("H")}, std::nullopt, DoubleTagMode::RemovePrivate},
        {"<<n>>@ t", {tagline(), text("t")}, std::nullopt, DoubleTagMode::Strip},
        {"a\n<<note\n>>#h",
         {text("a"), nl(false), heading(0, 3), text("h", 3)},
         std::nullopt,
         DoubleTagMode::Strip},
        {"x\\<<b>>",
         {text("x<"), el("b"), complete(), text(">")},
         std::nullopt,
         DoubleTagMode::Strip},
        // An unterminated double tag is recorded with the line of its first "<".
        {"x\ny << z", {text("x"), nl(false), text("y ", 2)}, 2, DoubleTagMode::Strip},
        {"<meta>\n<<p", {el("meta"), complete(), text("\n")}, 1, DoubleTagMode::RemovePrivate},
    });
}

TEST(TokenizerTest, LineStartsAreThoseOfTheTokensLines) {
    const Tokenized tokenized = tokenize("ab\r\ncd\n<x>");
    std::vector<std::pair<std::size_t, std::size_t>> positions;
    for (const auto& located : tokenized.tokens) {
        positions.emplace_back(located.line, located.line_start);
    }
    const std::vector<std::pair<std::size_t, std::size_t>> expected = {{1, 0}, {1, 0}, {2, 4},
                                                                       {2, 4}, {3, 7}, {3, 7}};
    EXPECT_EQ(positions, expected);
}

TEST(TokenizerTest, StaysExhaustedOnceOver) {
    components::char_iterator::SharedPosition position;
    components::char_iterator::PositionTracker tracker(
        components::char_iterator::StrCharSource("a<"), position);
    tokenizer::Tokenizer tokenizer(std::move(tracker), position);
    EXPECT_TRUE(tokenizer.next_token().has_value());
    EXPECT_TRUE(tokenizer.next_token().has_value());
    EXPECT_EQ(tokenizer.state(), tokenizer::state::State::None);
    EXPECT_FALSE(tokenizer.next_token().has_value());
    EXPECT_FALSE(tokenizer.next_token().has_value());
}

TEST(TokenTest, NamesAreTheVariantNames) {
    EXPECT_EQ(Token(Token::Element{"b"}).name(), "Element");
    EXPECT_EQ(Token(Token::ElementAttribute{"v"}).name(), "ElementAttribute");
    EXPECT_EQ(Token(Token::OrphanedElementOpen{}).name(), "OrphanedElementOpen");
    EXPECT_EQ(Token(Token::UnterminatedElement{}).name(), "UnterminatedElement");
}

}  // namespace
}  // namespace kerfa_parser_kerfa::test
