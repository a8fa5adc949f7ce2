#pragma once

// Real Markdown for the benchmarks, gathered when they run and never kept in the repository: the
// file named by KERFA_MARKDOWN_CORPUS, or else every *.md file under /usr/share/doc and
// /usr/lib/node_modules, in path order, each followed by a blank line.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kerfa_bench {

inline std::string read_whole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

inline std::vector<std::filesystem::path> markdown_files() {
    std::vector<std::filesystem::path> files;
    for (const char* root : {"/usr/share/doc", "/usr/lib/node_modules"}) {
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(
                 root, std::filesystem::directory_options::skip_permission_denied, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            if (it->is_regular_file(error) && it->path().extension() == ".md") {
                files.push_back(it->path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Whole files until the corpus holds at least `bytes` (or the files run out). With `cycle`, the
// files are read again from the first until the size is reached, for sizes beyond what the
// machine holds.
inline std::string gather_markdown(std::size_t bytes, bool cycle = false) {
    if (const char* named = std::getenv("KERFA_MARKDOWN_CORPUS")) {
        std::string corpus = read_whole(named);
        const std::string once = corpus;
        while (cycle && !once.empty() && corpus.size() < bytes) {
            corpus += once;
        }
        return corpus;
    }
    const std::vector<std::filesystem::path> files = markdown_files();
    std::string corpus;
    do {
        const std::size_t before = corpus.size();
        for (const auto& file : files) {
            if (corpus.size() >= bytes) {
                break;
            }
            corpus += read_whole(file);
            corpus += "\n\n";
        }
        if (corpus.size() == before) {
            break;
        }
    } while (cycle && corpus.size() < bytes);
    return corpus;
}

}  // namespace kerfa_bench
