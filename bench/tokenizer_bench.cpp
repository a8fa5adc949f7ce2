#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>
#include <string_view>

#include "components/char_iterator/char_chain.hpp"
#include "components/char_iterator/char_source.hpp"
#include "shared/components/char_iterator/str_char_iterator.hpp"
#include "tokenizer/tokenizer.hpp"

namespace {

using kerfa_parser_kerfa::components::char_iterator::BoxedCharSource;
using kerfa_parser_kerfa::components::char_iterator::DoubleTagMode;
using kerfa_parser_kerfa::components::char_iterator::SharedPosition;
using kerfa_parser_kerfa::components::char_iterator::SharedSpans;
using kerfa_parser_kerfa::components::char_iterator::StrCharSource;
using kerfa_parser_kerfa::components::char_iterator::visit_char_chain;

// A few MB of varied Kerfa: sections, prose with inline elements, lists, tables, metadata,
// escapes, non-ASCII text, double tags and private regions.
const std::string& document() {
    static const std::string text = [] {
        static constexpr std::string_view kParts[] = {
            "# Section heading\n",
            "Plain prose with <b>bold<> and <color dark-red>colour<> words, ",
            "a <link https://example.com/path?q=1>link<> and \\<escaped\\> brackets.\n",
            "<bullet decimal>\nfirst entry\nsecond entry with <i>italic<>\n<>\n",
            "<table grid striped>\nA <|> B <|> C\n1 <|> 2 <|> 3\n<>\n",
            "<meta>\nauthor: Someone\ndate = 2024-06-11\n<>\n",
            "Caf\u00e9 \u00fcber na\u00efve \u20ac 12, \u65e5\u672c\u8a9e, \U0001F600.\n",
            "@ a tagline <<note>>with a double tag<<>> in it\n",
            "visible <<p>>hidden private words<<>> visible again\n",
            "<card \"light blue\">A card with a quoted value\n<>\n",
            "## Sub heading\n\n",
        };
        std::mt19937 random(7);
        std::uniform_int_distribution<std::size_t> pick(0, std::size(kParts) - 1);
        std::string out;
        while (out.size() < 4 * 1024 * 1024) {
            out += kParts[pick(random)];
        }
        return out;
    }();
    return text;
}

template <class Chars>
std::size_t count_tokens(Chars& chars, const SharedPosition& position) {
    kerfa_parser_kerfa::tokenizer::Tokenizer tokenizer(std::move(chars), position);
    std::size_t tokens = 0;
    while (auto token = tokenizer.next_token()) {
        benchmark::DoNotOptimize(token->token.value.index());
        ++tokens;
    }
    return tokens;
}

// The tokenizer over the templated chain, as the parse reads a text.
void BM_Tokenizer(benchmark::State& state) {
    const auto mode = static_cast<DoubleTagMode>(state.range(0));
    const std::string& text = document();
    std::size_t tokens = 0;
    for (auto _ : state) {
        SharedPosition position;
        SharedSpans spans;
        tokens = visit_char_chain(StrCharSource(text), mode, position, spans,
                                  [&](auto& chain) { return count_tokens(chain, position); });
        benchmark::DoNotOptimize(tokens);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["tokens"] = static_cast<double>(tokens);
}
BENCHMARK(BM_Tokenizer)->ArgName("mode")->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// The same over a boxed source: one virtual call per character at the bottom.
void BM_TokenizerBoxedSource(benchmark::State& state) {
    const std::string& text = document();
    for (auto _ : state) {
        SharedPosition position;
        SharedSpans spans;
        BoxedCharSource source(shared::components::char_iterator::StrCharIterator::boxed(text));
        std::size_t tokens =
            visit_char_chain(std::move(source), DoubleTagMode::RemovePrivate, position, spans,
                             [&](auto& chain) { return count_tokens(chain, position); });
        benchmark::DoNotOptimize(tokens);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TokenizerBoxedSource)->Unit(benchmark::kMillisecond);

// The character chain alone.
void BM_CharChain(benchmark::State& state) {
    const std::string& text = document();
    for (auto _ : state) {
        SharedPosition position;
        SharedSpans spans;
        std::size_t chars = visit_char_chain(
            StrCharSource(text), DoubleTagMode::RemovePrivate, position, spans, [](auto& chain) {
                std::size_t n = 0;
                while (chain.next() != kerfa_parser_kerfa::components::char_iterator::kEndOfInput) {
                    ++n;
                }
                return n;
            });
        benchmark::DoNotOptimize(chars);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CharChain)->Unit(benchmark::kMillisecond);

}  // namespace
