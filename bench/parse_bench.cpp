// Whole-document parse throughput of the Kerfa parser on about 50 MB of generated Kerfa, and
// on the families of text that push one part of the parser to its limit.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>
#include <string_view>

#include "bench_support.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"

namespace {

using kerfa_parser_kerfa::components::char_iterator::DoubleTagMode;

// Sections of prose with inline spans, lists, tables, heading parts, metadata, raw HTML, check
// boxes, errors, non-ASCII text, double tags and private regions.
const std::string& large_document() {
    static const std::string text = [] {
        static constexpr std::string_view parts[] = {
            "# Section heading <b>bold<>\n",
            "Plain prose with <b>bold<> and <color dark-red>colour<> words, ",
            "a <link https://example.com/path?q=1>link<>, a <link>bare link<> and \\<escapes\\>.\n",
            "<bullet decimal>\nfirst entry\nsecond entry with <i>italic<>\n@ tagged\n<>\n",
            "<table grid striped>\n<th>A<|>B<|>C<>\n1<|>2<|>3\n<||>wide\nentry<><|>4\n<>\n",
            "<meta>\nauthor: Someone\ndate = 2024-06-11\n<>\n",
            "Caf\u00e9 \u00fcber na\u00efve \u20ac 12, \u65e5\u672c\u8a9e, \U0001F600.\n",
            "@ a tagline <<note>>with a double tag<<>> in it\n",
            "visible <<p>>hidden private words<<>> visible again\n",
            "<card \"light blue\">A card <x yes> done <x> open\n<indent-2>deep<><>\n",
            "<html-block><div class=\"x\">raw</div><>\n",
            "a <nonsense> element and <bold extra> words<><>\n",
            "## Sub heading\n\n",
        };
        std::mt19937 random(11);
        std::uniform_int_distribution<std::size_t> pick(0, std::size(parts) - 1);
        std::string out;
        out.reserve(50 * 1024 * 1024 + 256);
        while (out.size() < 50 * 1024 * 1024) {
            out += parts[pick(random)];
        }
        return out;
    }();
    return text;
}

void BM_ParseKerfa(benchmark::State& state) {
    const std::string& text = large_document();
    const auto mode = static_cast<DoubleTagMode>(state.range(0));
    const auto parser = kerfa_parser_kerfa::configure::ParserFactory{{}, mode}.new_parser();
    for (auto _ : state) {
        auto data = parser->parse_str(text);
        benchmark::DoNotOptimize(data.content.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.SetLabel("mode " + std::to_string(state.range(0)));
}

BENCHMARK(BM_ParseKerfa)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Texts that push one part of the parser to its limit; time and arena per byte must stay flat
// from 1 MB to 10 MB.
std::string kerfa_family(int which, std::size_t bytes) {
    switch (which) {
        case 0: {  // blocks nested as deep as the text allows, then all closed
            std::string text = kerfa_bench::repeat_to("<card>", bytes / 2);
            text += 'x';
            text += kerfa_bench::repeat_to("<>", text.size() / 3);
            return text;
        }
        case 1:  // spans opened and never closed, on one line
            return kerfa_bench::repeat_to("<b>x", bytes);
        case 2:  // one line of text full of escapes
            return kerfa_bench::repeat_to("a\\<b\\> ", bytes);
        case 3:  // elements without content, one after another
            return kerfa_bench::repeat_to("<x yes>", bytes);
        case 4: {  // one table row of a huge number of entries
            std::string text = "<table>";
            text += kerfa_bench::repeat_to("a<|>", bytes);
            text += "\n<>";
            return text;
        }
        case 5:  // private regions nested without end
            return kerfa_bench::repeat_to("<<p>>x", bytes);
        default: {  // one long element name and one long attribute word
            std::string text = "<";
            text.append(bytes / 2, 'n');
            text += ' ';
            text.append(bytes / 2, 'v');
            text += ">x<>";
            return text;
        }
    }
}

void BM_KerfaFamily(benchmark::State& state) {
    const std::string text = kerfa_family(static_cast<int>(state.range(0)),
                                          static_cast<std::size_t>(state.range(1)) << 20);
    const auto parser =
        kerfa_parser_kerfa::configure::ParserFactory{{}, DoubleTagMode::RemovePrivate}.new_parser();
    std::size_t arena = 0;
    for (auto _ : state) {
        auto data = parser->parse_str(text);
        arena = data.storage->reserved_bytes();
        benchmark::DoNotOptimize(data.content.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["arena_x_input"] = static_cast<double>(arena) / static_cast<double>(text.size());
}
BENCHMARK(BM_KerfaFamily)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {1, 10}})
    ->ArgNames({"family", "MB"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
