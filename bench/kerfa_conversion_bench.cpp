// Kerfa to canonical Kerfa, plain text and Markdown as `kerfa-tool kerfa`, `txt` and `md` do it:
// read about 50 MB of generated Kerfa from a file, parse it, write it out, with the peak memory of
// one conversion. The reference for the rate is cmark-gfm turning as many bytes of Markdown into
// HTML (BM_CmarkGfmToHtml).

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "kerfa_document_manager/components/convertors/convertor.hpp"
#include "kerfa_tool/utils_read.hpp"

#include "bench_support.hpp"

namespace {

constexpr std::size_t kKerfaBytes = 50 * 1024 * 1024;

// Every kind of markup the canonical writer meets: prose with spans and escapes, lists, tables
// with heading parts, separators and column entries, blocks, metadata, raw HTML, images, check
// boxes, taglines and private regions.
std::string generate_kerfa() {
    static constexpr std::string_view kParts[] = {
        "# Section heading\n",
        "Plain prose with <b>bold<>, <i>italic<> and <red>colour<> words, \\<escaped\\> ",
        "a <link https://example.com/path?q=1&r=2>link<>, a <link>https://example.org/<>.\n",
        "<bullet decimal 3>first entry\nsecond entry with <code>code<>\nthird<>\n",
        "<table grid striped><heading>A<|>B<|>C<>\n1<|>2<|>3\n<||>long\nentry<><|><|>\n<>\n",
        "<meta>\nauthor: Someone\ndate = 2024-06-11\n<>\n",
        "Caf\u00e9 \u00fcber na\u00efve \u20ac 12, \u65e5\u672c\u8a9e, \U0001F600.\n",
        "@ a tagline with <doc notes:?todo>a document link<>\n",
        "visible <<p>>hidden private words<<>> visible again\n",
        "<card light-blue>A card <x yes> done <x> open<indent 2>deep<><>\n",
        "<codebox>for line in lines: \"quoted\" \\\\ path<>\n",
        "<html-block><div class=\"x\">raw</div><>\n<img \"pictures/a b.png\">\n",
        "## Sub heading\n\n",
    };
    std::mt19937 random(17);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kParts) - 1);
    std::string out;
    out.reserve(kKerfaBytes + 512);
    while (out.size() < kKerfaBytes) {
        out += kParts[pick(random)];
    }
    return out;
}

// One conversion of the generated file per iteration, with the peak memory of one.
void convert_generated(benchmark::State& state, kerfa_bench::ConvertTarget target) {
    static const kerfa_bench::TempInputFile file("kerfa-bench", generate_kerfa());
    const std::string path = file.path().string();
    const std::size_t input_bytes = std::filesystem::file_size(path);
    kerfa_bench::report_peak(state, input_bytes, [&] {
        benchmark::DoNotOptimize(kerfa_bench::convert_file(path, target));
    });

    for (auto _ : state) {
        benchmark::DoNotOptimize(kerfa_bench::convert_file(path, target));
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * static_cast<double>(input_bytes)));
}

void BM_KerfaToCanonicalKerfa(benchmark::State& state) {
    convert_generated(state, kerfa_bench::ConvertTarget::Kerfa);
}
BENCHMARK(BM_KerfaToCanonicalKerfa)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_KerfaToText(benchmark::State& state) {
    convert_generated(state, kerfa_bench::ConvertTarget::Text);
}
BENCHMARK(BM_KerfaToText)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_KerfaToMarkdown(benchmark::State& state) {
    convert_generated(state, kerfa_bench::ConvertTarget::Markdown);
}
BENCHMARK(BM_KerfaToMarkdown)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
