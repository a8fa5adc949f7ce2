#pragma once

// The generated Kerfa that the conversion benchmarks and scripts/bench-roads read: every kind of
// markup the writers meet, picked at random (fixed seed) until the text reaches the size asked.

#include <cstddef>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace kerfa_bench {

// Prose with spans and escapes, lists, tables with heading parts, separators and column entries,
// blocks, metadata, raw HTML, images, check boxes, taglines and private regions.
inline std::string generate_kerfa(std::size_t bytes) {
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
    out.reserve(bytes + 512);
    while (out.size() < bytes) {
        out += kParts[pick(random)];
    }
    return out;
}

}  // namespace kerfa_bench
