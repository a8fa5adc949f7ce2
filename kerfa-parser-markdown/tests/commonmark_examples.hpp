#pragma once

// The CommonMark examples, for any library's tests (include this folder and
// link dep::commonmark_spec): the spec.txt of the npm package commonmark-spec 0.31.2, which
// scripts/setup installs into the build folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kerfa_parser_markdown::testing {

struct Example {
    std::size_t line;  // of the example's opening fence in CommonMark's examples file
    std::string markdown;
};

// Empty, with a failure of the calling test, when the package is missing.
inline std::string read_commonmark_corpus() {
    const std::filesystem::path path = KERFA_COMMONMARK_EXAMPLES;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const std::filesystem::path build = path.parent_path().parent_path().parent_path();
        ADD_FAILURE() << "cannot read " << path.string()
                      << ": install the CommonMark examples with scripts/setup, or with\n"
                      << "    npm install --prefix " << build.string()
                      << " --no-save commonmark-spec@0.31.2";
        return {};
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// The Markdown of each example, with "→" made a tab again.
inline std::vector<Example> commonmark_examples() {
    const std::string corpus = read_commonmark_corpus();
    const std::string fence = std::string(32, '`');
    const std::string open = fence + " example\n";
    std::vector<Example> out;
    std::size_t p = 0;
    while ((p = corpus.find(open, p)) != std::string::npos) {
        const std::size_t start = p + open.size();
        const std::size_t end = corpus.find("\n.\n", start - 1);
        std::string markdown = corpus.substr(start, end + 1 - start);
        for (std::size_t tab; (tab = markdown.find("\xE2\x86\x92")) != std::string::npos;) {
            markdown.replace(tab, 3, "\t");
        }
        out.push_back({static_cast<std::size_t>(std::count(
                           corpus.begin(), corpus.begin() + static_cast<std::ptrdiff_t>(p), '\n')) +
                           1,
                       std::move(markdown)});
        p = corpus.find(fence + "\n", start);
    }
    return out;
}

}  // namespace kerfa_parser_markdown::testing
