// Markdown to HTML as `kerfa-tool html notes.md` does it (the importer, then the page writer),
// beside cmark-gfm turning the same text into HTML (BM_CmarkGfmMarkdownCorpus, when installed),
// with the peak memory of one conversion; then the importer's time per byte on growing inputs
// and on every input family that a guard covers, which must stay flat from 1 MB to 10 MB.
//
// The corpus is real Markdown gathered when the benchmark starts (markdown_corpus.hpp), up to
// 20 MB.

#include <benchmark/benchmark.h>
#include <md4c.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>

#include "kerfa_parser_markdown/parser/parser.hpp"

#include "bench_support.hpp"
#include "cmark_peer.hpp"
#include "markdown_corpus.hpp"

namespace {

constexpr std::size_t kCorpusLimit = 20 * 1024 * 1024;
constexpr std::size_t kMegabyte = 1024 * 1024;

const std::string& corpus() {
    static const std::string text = kerfa_bench::gather_markdown(kCorpusLimit);
    return text;
}

std::size_t import_size(const std::string& text) {
    return kerfa_parser_markdown::parser::Parser::parse(text).content.size();
}

void set_bytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
    state.counters["MB"] = static_cast<double>(bytes) / kMegabyte;
}

// The command line's whole conversion of the corpus, file read included.
void BM_MarkdownCorpusToHtml(benchmark::State& state) {
    const std::string& text = corpus();
    const kerfa_bench::TempInputFile file("kerfa-markdown-bench", text, ".md");
    kerfa_bench::report_peak(state, text.size(), [&] {
        kerfa_bench::convert_file(file.path().string(), kerfa_bench::ConvertTarget::Html);
    });
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kerfa_bench::convert_file(file.path().string(), kerfa_bench::ConvertTarget::Html));
    }
    set_bytes(state, text.size());
}
BENCHMARK(BM_MarkdownCorpusToHtml)->Unit(benchmark::kMillisecond)->MinTime(2.0);

#if KERFA_HAVE_CMARK_GFM
void BM_CmarkGfmMarkdownCorpus(benchmark::State& state) {
    const std::string& text = corpus();
    kerfa_bench::report_peak(state, text.size(),
                             [&] { benchmark::DoNotOptimize(kerfa_bench::cmark_to_html(text)); });
    for (auto _ : state) {
        benchmark::DoNotOptimize(kerfa_bench::cmark_to_html(text));
    }
    set_bytes(state, text.size());
}
BENCHMARK(BM_CmarkGfmMarkdownCorpus)->Unit(benchmark::kMillisecond)->MinTime(2.0);
#endif

// The importer alone on the corpus (no file, no writer), with the peak memory of one import.
void BM_MarkdownCorpusImport(benchmark::State& state) {
    const std::string& text = corpus();
    kerfa_bench::report_peak(state, text.size(),
                             [&] { benchmark::DoNotOptimize(import_size(text)); });
    for (auto _ : state) {
        benchmark::DoNotOptimize(import_size(text));
    }
    set_bytes(state, text.size());
}
BENCHMARK(BM_MarkdownCorpusImport)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// md4c on the corpus with the importer's flags and callbacks that only count: the floor under
// any importer built on it.
void BM_Md4cCorpusCallbacksOnly(benchmark::State& state) {
    const std::string& text = corpus();
    const auto block = [](MD_BLOCKTYPE, void*, void* count) {
        ++*static_cast<std::size_t*>(count);
        return 0;
    };
    const auto span = [](MD_SPANTYPE, void*, void* count) {
        ++*static_cast<std::size_t*>(count);
        return 0;
    };
    const auto piece = [](MD_TEXTTYPE, const MD_CHAR*, MD_SIZE, void* count) {
        ++*static_cast<std::size_t*>(count);
        return 0;
    };
    const MD_PARSER parser{.abi_version = 0,
                           .flags = MD_FLAG_TABLES | MD_FLAG_STRIKETHROUGH | MD_FLAG_TASKLISTS,
                           .enter_block = block,
                           .leave_block = block,
                           .enter_span = span,
                           .leave_span = span,
                           .text = piece,
                           .debug_log = nullptr,
                           .syntax = nullptr};
    std::size_t callbacks = 0;
    for (auto _ : state) {
        callbacks = 0;
        md_parse(text.data(), static_cast<MD_SIZE>(text.size()), &parser, &callbacks);
        benchmark::DoNotOptimize(callbacks);
    }
    state.counters["callbacks"] = static_cast<double>(callbacks);
    set_bytes(state, text.size());
}
BENCHMARK(BM_Md4cCorpusCallbacksOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The first megabyte of the corpus repeated 1, 10 and 100 times.
void BM_MarkdownImportRepeated(benchmark::State& state) {
    const std::string slice = corpus().substr(0, std::min(corpus().size(), kMegabyte));
    std::string text;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        text += slice;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(import_size(text));
    }
    set_bytes(state, text.size());
}
BENCHMARK(BM_MarkdownImportRepeated)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The input families that cost the engine more than linear time without a guard.
std::string family(int which, std::size_t bytes) {
    switch (which) {
        case 0: {  // list nesting: a deep run of markers, then blank lines
            std::string head = kerfa_bench::repeat_to("- ", bytes / 2) + "x";
            return head + kerfa_bench::repeat_to("\n", bytes - head.size());
        }
        case 1:  // a long paragraph of bracketed words
            return kerfa_bench::repeat_to("[a]\n", bytes);
        case 2: {  // deep brackets with a definition
            std::string open = kerfa_bench::repeat_to("[", bytes / 2 - 10);
            return open + std::string(open.size(), ']') + "\n\n[r]: /u\n";
        }
        case 3:
        case 4: {  // many columns, one-cell rows (with short delimiter cells: repaired first)
            const std::string cell = which == 3 ? "|---" : "|-";
            std::string table = kerfa_bench::repeat_to("|a", bytes / 8) + "|\n" +
                                kerfa_bench::repeat_to(cell, bytes / 4) + "|\n";
            return table + kerfa_bench::repeat_to("|x\n", bytes - table.size());
        }
        case 6: {  // lines of forty nested lists, each opening in the empty entry of the last
            std::string line;
            for (int i = 0; i < 40; ++i) {
                line += "- ";
            }
            return kerfa_bench::repeat_to(line + "x\n", bytes);
        }
        default: {  // a long definition used in every paragraph
            std::string text = "[r]: /" + std::string(1000, 'u') + "\n\n";
            return text + kerfa_bench::repeat_to("[a][r]\n\n", bytes - text.size());
        }
    }
}

void BM_MarkdownGuardedFamily(benchmark::State& state) {
    const std::string text = family(static_cast<int>(state.range(0)),
                                    static_cast<std::size_t>(state.range(1)) * kMegabyte);
    for (auto _ : state) {
        benchmark::DoNotOptimize(import_size(text));
    }
    set_bytes(state, text.size());
}
BENCHMARK(BM_MarkdownGuardedFamily)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {1, 10}})
    ->ArgNames({"family", "MB"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
