// The Markdown writer alone on parsed Kerfa documents that nest as deep as their text allows:
// inline code spans inside one another, and quotes or indents that each hold one line. Time and
// output per input byte must stay flat from 1 MB to 10 MB; "ratio" is the output's size over the
// input's.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"
#include "kerfa_render_markdown/markdown_renderer.hpp"

#include "bench_support.hpp"

namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

std::string_view family_part(int which) {
    switch (which) {
        case 0:
            return "<code>x";
        case 1:
            return "<bq>x\n";
        default:
            return "<indent>x\n";
    }
}

void BM_MarkdownWriterDeep(benchmark::State& state) {
    const std::string_view part = family_part(static_cast<int>(state.range(0)));
    const std::size_t bytes = static_cast<std::size_t>(state.range(1)) * kMegabyte;
    const std::string text = kerfa_bench::repeat_to(part, bytes);
    const auto parser =
        kerfa_parser_kerfa::configure::ParserFactory{
            {}, kerfa_parser_kerfa::components::char_iterator::DoubleTagMode::RemovePrivate}
            .new_parser();
    const auto parsed = parser->parse_str(text);
    std::size_t written = 0;
    for (auto _ : state) {
        const std::string out =
            kerfa_render_markdown::MarkdownRenderer().render_all(parsed.content);
        written = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["ratio"] = static_cast<double>(written) / static_cast<double>(text.size());
    state.SetLabel(std::string(part.substr(0, part.find('>') + 1)));
}
BENCHMARK(BM_MarkdownWriterDeep)
    ->ArgsProduct({{0, 1, 2}, {1, 10}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);

}  // namespace
