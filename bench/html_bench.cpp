// Kerfa to HTML as `kerfa-tool html` does it: read about 50 MB of generated Kerfa from a file,
// parse it and write a standalone page, with the peak memory of one conversion; beside it
// cmark-gfm turning the same number of bytes of Markdown into HTML, the reference rate.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_document_manager/components/convertors/convertor.hpp"
#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"
#include "kerfa_render_html/html_file_renderer.hpp"
#include "kerfa_tool/utils_read.hpp"

#include "bench_support.hpp"
#include "cmark_peer.hpp"

namespace {

using kerfa_parser_kerfa::components::char_iterator::DoubleTagMode;

constexpr std::size_t kInputBytes = 50 * 1024 * 1024;

std::string generate(std::span<const std::string_view> parts, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, parts.size() - 1);
    std::string out;
    out.reserve(kInputBytes + 512);
    while (out.size() < kInputBytes) {
        out += parts[pick(random)];
    }
    return out;
}

// Prose with inline spans, links that stand for themselves, lists, tables with heading parts,
// cards, code boxes, quotes, metadata, raw HTML, check boxes, images, non-ASCII text and private
// regions.
const std::string& kerfa_input() {
    static const std::string text = [] {
        static constexpr std::string_view kParts[] = {
            "# Section heading\n",
            "Plain prose with <b>bold<>, <i>italic<> and <red>colour<> words & symbols < >, ",
            "a <link https://example.com/path?q=1&r=2>link<>, a <link>https://example.org/<>.\n",
            "<bullet decimal 3>first entry\nsecond entry with <code>code<>\nthird<>\n",
            "<table grid striped><heading>A<|>B<|>C<>\n1<|>2<|>3\n4<|>5<|>6<>\n",
            "<meta>\nauthor: Someone\ndate = 2024-06-11\n<>\n",
            "Caf\u00e9 \u00fcber na\u00efve \u20ac 12, \u65e5\u672c\u8a9e, \U0001F600.\n",
            "@ a tagline with <doc notes:?todo>a document link<>\n",
            "visible <<p>>hidden private words<<>> visible again\n",
            "<card light-blue>A card <x yes> done <x> open<indent 2>deep<><>\n",
            "<codebox>for line in lines:\n    print(line)<>\n",
            "<blockquote>A quotation with <note>a note<>.<>\n",
            "<html-block><div class=\"x\">raw</div><>\n<img pictures/a.png>\n",
            "## Sub heading\n\n",
        };
        return generate(kParts, 11);
    }();
    return text;
}

#if KERFA_HAVE_CMARK_GFM
// The same kinds of content in Markdown, GitHub style.
const std::string& markdown_input() {
    static const std::string text = [] {
        static constexpr std::string_view kParts[] = {
            "# Section heading\n\n",
            "Plain prose with **bold**, *italic* and <span style=\"color:red\">colour</span> "
            "words &amp; symbols &lt; &gt;, ",
            "a [link](https://example.com/path?q=1&r=2), a <https://example.org/>.\n\n",
            "3. first entry\n4. second entry with `code`\n5. third\n\n",
            "| A | B | C |\n|---|---|---|\n| 1 | 2 | 3 |\n| 4 | 5 | 6 |\n\n",
            "---\nauthor: Someone\n---\n\n",
            "Caf\u00e9 \u00fcber na\u00efve \u20ac 12, \u65e5\u672c\u8a9e, \U0001F600.\n\n",
            "_a tagline with [a document link](notes.md)_\n\n",
            "visible ~~struck words~~ visible again\n\n",
            "- [x] done\n- [ ] open\n    - deep\n\n",
            "```\nfor line in lines:\n    print(line)\n```\n\n",
            "> A quotation with *a note*.\n\n",
            "<div class=\"x\">raw</div>\n\n![](pictures/a.png)\n\n",
            "## Sub heading\n\n",
        };
        return generate(kParts, 13);
    }();
    return text;
}
#endif

kerfa_content::data::types::Document parse_kerfa(const std::string& text) {
    const auto parser =
        kerfa_parser_kerfa::configure::ParserFactory{{}, DoubleTagMode::RemovePrivate}.new_parser();
    return kerfa_content::modules::parser::types::to_document(
        parser->parse_str(text), kerfa_content::types::Source::file("bench.kerfa"));
}

// Read the file, parse, write the page: the whole conversion but the output file's write.
void BM_KerfaToHtml(benchmark::State& state) {
    static const kerfa_bench::TempInputFile file("kerfa-html-bench", kerfa_input());
    const std::string path = file.path().string();
    const std::size_t input_bytes = std::filesystem::file_size(path);
    kerfa_bench::report_peak(state, input_bytes, [&] {
        benchmark::DoNotOptimize(kerfa_bench::convert_file(path, kerfa_bench::ConvertTarget::Html));
    });
    for (auto _ : state) {
        benchmark::DoNotOptimize(kerfa_bench::convert_file(path, kerfa_bench::ConvertTarget::Html));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(input_bytes));
}
BENCHMARK(BM_KerfaToHtml)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The page writer alone, on a document parsed once.
void BM_HtmlWriteOnly(benchmark::State& state) {
    const std::string& text = kerfa_input();
    const auto document = parse_kerfa(text);
    const auto writer = kerfa_render_html::HtmlFileRenderer::from_document(document);
    for (auto _ : state) {
        benchmark::DoNotOptimize(writer.render(document).size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_HtmlWriteOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

#if KERFA_HAVE_CMARK_GFM
// The reference: GitHub-flavoured Markdown to HTML with cmark-gfm, on as many bytes.
void BM_CmarkGfmToHtml(benchmark::State& state) {
    const std::string& text = markdown_input();
    kerfa_bench::report_peak(state, text.size(),
                             [&] { benchmark::DoNotOptimize(kerfa_bench::cmark_to_html(text)); });
    for (auto _ : state) {
        benchmark::DoNotOptimize(kerfa_bench::cmark_to_html(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_CmarkGfmToHtml)->Unit(benchmark::kMillisecond)->MinTime(2.0);
#endif

}  // namespace
