#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>

#include "shared/components/char_iterator/str_char_iterator.hpp"
#include "tokenize.hpp"

namespace kerfa_parser_kerfa::test {
namespace {

using components::char_iterator::DoubleTagMode;
using tokenizer::types::Token;

std::string random_markup(std::mt19937& random) {
    static constexpr std::array<std::string_view, 26> kFragments = {
        "<b>",   "<>",   "<",    ">",    "<meta>", "<html-block>", "<x a 'q' \"d\">",
        "\\",    "#",    "##",   "@",    " ",      "\t",           "\u00a0",
        "\n",    "\r",   "\r\n", "word", "\u20ac", "\"",           "'",
        "<<p>>", "<<>>", "<<",   "\\n",  "<\\",
    };
    std::uniform_int_distribution<std::size_t> length(0, 30);
    std::uniform_int_distribution<std::size_t> pick(0, kFragments.size() - 1);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) {
        text += kFragments[pick(random)];
    }
    return text;
}

std::size_t line_count(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines;
}

TEST(TokenizerPropertyTest, SeededRandomMarkupGivesOrderedLinesWithinTheText) {
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        const std::string input = random_markup(random);
        SCOPED_TRACE(testing::Message() << "input '" << input << "'");
        for (DoubleTagMode mode : {DoubleTagMode::Off, DoubleTagMode::RemovePrivate}) {
            const Tokenized tokenized = tokenize(input, mode);
            std::size_t previous_line = 1;
            for (std::size_t i = 0; i < tokenized.tokens.size(); ++i) {
                const auto& located = tokenized.tokens[i];
                ASSERT_LE(previous_line, located.line);
                ASSERT_LE(located.line, line_count(input));
                ASSERT_LE(located.line_start, input.size());
                // The end-of-input tokens come last.
                if (located.token.is<Token::OrphanedElementOpen>() ||
                    located.token.is<Token::UnterminatedElement>()) {
                    ASSERT_EQ(i + 1, tokenized.tokens.size());
                }
                previous_line = located.line;
            }
            if (tokenized.unexpected_end_line) {
                ASSERT_LE(*tokenized.unexpected_end_line, line_count(input));
            }
        }
    }
}

// A text in memory is read in runs of plain bytes, a boxed source a character at a time: every
// reader must cut the same tokens either way, whatever ends its runs.
TEST(TokenizerPropertyTest, RunsOfPlainBytesGiveTheTokensOfOneCharacterAtATime) {
    static constexpr std::array<std::string_view, 24> kFragments = {
        "<",     ">",       "<>",     " ",       "\t",     "\u00a0",
        "\n",    "\r\n",    "\\",     "\\<",     "\"",     "'",
        "<<p>>", "<<>>",    "<<",     "#",       "<meta>", "<b x ",
        "name",  "a-b_c.d", "\u20ac", "\u00a0b", "q r s",  "https://e.com/p?q=1&r=2",
    };
    std::mt19937 random(23);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, kFragments.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::string input;
        for (std::size_t n = length(random); n > 0; --n) {
            input += kFragments[pick(random)];
        }
        SCOPED_TRACE(testing::Message() << "input '" << input << "'");
        for (DoubleTagMode mode : {DoubleTagMode::Off, DoubleTagMode::Strip,
                                   DoubleTagMode::RemoveAll, DoubleTagMode::RemovePrivate}) {
            const Tokenized in_runs = tokenize(input, mode);
            const Tokenized one_by_one = tokenize_source(
                components::char_iterator::BoxedCharSource(
                    shared::components::char_iterator::StrCharIterator::boxed(input)),
                mode);
            ASSERT_EQ(in_runs.tokens, one_by_one.tokens);
            ASSERT_EQ(in_runs.unexpected_end_line, one_by_one.unexpected_end_line);
        }
    }
}

}  // namespace
}  // namespace kerfa_parser_kerfa::test
