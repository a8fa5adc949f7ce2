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
#include <string>

#include "kerfa_document_manager/components/convertors/convertor.hpp"
#include "kerfa_tool/utils_read.hpp"

#include "bench_support.hpp"
#include "kerfa_input.hpp"

namespace {

constexpr std::size_t kKerfaBytes = 50 * 1024 * 1024;

// One conversion of the generated file per iteration, with the peak memory of one.
void convert_generated(benchmark::State& state, kerfa_bench::ConvertTarget target) {
    static const kerfa_bench::TempInputFile file("kerfa-bench",
                                                 kerfa_bench::generate_kerfa(kKerfaBytes));
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
