// Whole-document parse throughput of the Kerfa parser on about 50 MB of generated Kerfa.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>
#include <string_view>

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

}  // namespace
