#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>

#include "char_chain_drain.hpp"

namespace kerfa_parser_kerfa::test {
namespace {

// Random texts built from fragments that make tags, regions, escapes and line ends frequent.
std::string random_text(std::mt19937& random) {
    static constexpr std::array<std::string_view, 24> kFragments = {
        "<<p>>", "<<priv>>", "<<private>>", "<<P>>",  "<<>>",       "<<x>>", "<<",  ">>",
        "<",     ">",        "\\",          "\\<",    "p",          "x",     " ",   "\n",
        "\r",    "\r\n",     "\u00e9",      "\u20ac", "\U0001F600", "<\\",   ">\\", "#",
    };
    std::uniform_int_distribution<std::size_t> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, kFragments.size() - 1);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) {
        text += kFragments[pick(random)];
    }
    return text;
}

std::string without_spans(std::string_view input, const std::vector<PrivateSpan>& spans) {
    std::string kept;
    std::size_t from = 0;
    for (const auto& [start, end] : spans) {
        kept.append(input.substr(from, start - from));
        from = end;
    }
    kept.append(input.substr(from));
    return kept;
}

TEST(CharFilterPropertyTest, SeededRandomTextsKeepTheChainInvariants) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 4000; ++round) {
        const std::string input = random_text(random);
        SCOPED_TRACE(testing::Message() << "input '" << input << "'");
        for (DoubleTagMode mode : {DoubleTagMode::Off, DoubleTagMode::Strip,
                                   DoubleTagMode::RemoveAll, DoubleTagMode::RemovePrivate}) {
            // Reading to the end terminates and every byte is counted.
            const Drained drained = drain(input, mode);
            ASSERT_EQ(drained.offset, input.size());
            ASSERT_EQ(drained, drain_boxed(input, mode));
            if (mode != DoubleTagMode::RemovePrivate) {
                ASSERT_TRUE(drained.spans.empty());
            }
        }
        const Drained removed = drain(input, DoubleTagMode::RemovePrivate);
        std::size_t previous_end = 0;
        for (const auto& [start, end] : removed.spans) {
            ASSERT_LE(previous_end, start);  // ascending and disjoint
            ASSERT_LT(start, end);
            ASSERT_LE(end, input.size());
            ASSERT_EQ(input.substr(start, 2), "<<");
            previous_end = end;
        }
        // Removing private regions is stripping the text with those regions cut out.
        ASSERT_EQ(removed.delivered,
                  drain(without_spans(input, removed.spans), DoubleTagMode::Strip).delivered);
    }
}

}  // namespace
}  // namespace kerfa_parser_kerfa::test
