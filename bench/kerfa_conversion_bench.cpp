// Kerfa to canonical Kerfa as `kerfa-tool kerfa` does it: read about 50 MB of generated Kerfa from
// a file, parse it, write it back, with the peak memory of one conversion. The reference for the
// rate is cmark-gfm turning as many bytes of Markdown into HTML (BM_CmarkGfmToHtml).

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

// The generated text in a file of its own, written once and removed at exit.
const std::filesystem::path& input_file() {
    static const struct Input {
        std::filesystem::path path;
        Input() {
            path = std::filesystem::temp_directory_path() /
                   ("kerfa-bench-" + std::to_string(::getpid()) + ".kerfa");
            std::ofstream(path, std::ios::binary) << generate_kerfa();
        }
        ~Input() { std::filesystem::remove(path); }
    } input;
    return input.path;
}

long status_kib(std::string_view key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(key)) {
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
        }
    }
    return 0;
}

std::size_t convert_file(const std::string& path) {
    auto retrieved = kerfa_tool::retrieve(path, kerfa_tool::DoubleTagMode::RemovePrivate);
    if (!retrieved) {
        std::abort();
    }
    const auto document = kerfa_tool::to_document(path, std::move(retrieved->parse));
    return kerfa_document_manager::components::convertors::convert(document, 3).size();
}

void BM_KerfaToCanonicalKerfa(benchmark::State& state) {
    const std::string path = input_file().string();
    const auto input_bytes = static_cast<double>(std::filesystem::file_size(path));
    // The memory one conversion adds at its peak: the kernel's high-water mark of resident
    // memory, reset first, so every allocation counts.
    malloc_trim(0);
    const long before = status_kib("VmRSS:");
    std::ofstream("/proc/self/clear_refs") << "5";
    benchmark::DoNotOptimize(convert_file(path));
    const double peak = static_cast<double>(status_kib("VmHWM:") - before) * 1024.0;
    state.counters["peak_MB"] = peak / (1024.0 * 1024.0);
    state.counters["peak_x_input"] = peak / input_bytes;

    for (auto _ : state) {
        benchmark::DoNotOptimize(convert_file(path));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input_bytes));
}
BENCHMARK(BM_KerfaToCanonicalKerfa)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
