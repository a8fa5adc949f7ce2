// The helper of scripts/bench-roads: makes its inputs, times a command as its own process, and
// measures the parsed tree of a file.
// Usage: roads_bench kerfa SIZE_MB OUTPUT        generated Kerfa of at least SIZE_MB MiB
//        roads_bench markdown SIZE_MB OUTPUT     real Markdown, repeated to at least SIZE_MB MiB
//        roads_bench corpus OUTPUT               the whole real Markdown corpus, once
//        roads_bench run STDOUT COMMAND [ARG...] runs COMMAND with its standard output into STDOUT
//                                                and its standard error discarded; prints the wall
//                                                seconds and the peak resident KiB
//        roads_bench tree FILE                   reads and parses FILE as the command line does;
//                                                prints the heap bytes the document holds and the
//                                                time of each step of a conversion

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "../kerfa_input.hpp"
#include "../markdown_corpus.hpp"
#include "kerfa_document_manager/components/convertors/convertor.hpp"
#include "kerfa_tool/utils_read.hpp"
#include "shared/utils/file_io.hpp"

extern "C" char** environ;

namespace {

constexpr std::size_t kMebibyte = 1024 * 1024;

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

int write_input(std::string_view kind, std::size_t megabytes, const std::string& path) {
    const std::size_t bytes = megabytes * kMebibyte;
    const std::string text = kind == "kerfa"    ? kerfa_bench::generate_kerfa(bytes)
                             : kind == "corpus" ? kerfa_bench::gather_markdown(SIZE_MAX)
                                                : kerfa_bench::gather_markdown(bytes, true);
    if (text.empty()) {
        std::fprintf(stderr, "roads_bench: no Markdown found to gather\n");
        return 1;
    }
    if (!shared::utils::write_file(path, text)) {
        std::fprintf(stderr, "roads_bench: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

int run(const char* output, char** command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output, O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, command[0], &actions, nullptr, command, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "roads_bench: cannot run %s\n", command[0]);
        return 2;
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "roads_bench: %s failed\n", command[0]);
        return 1;
    }
    const double wall = seconds_since(start);
    std::printf("%.6f %ld\n", wall, usage.ru_maxrss);  // ru_maxrss is in KiB
    return 0;
}

std::size_t heap_in_use() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

// What the tree's bytes are made of, per input byte: item slots, block and section records,
// attributes and the text bytes kept out of line.
void print_tree_parts(const kerfa_content::data::types::Document& document, double input) {
    using kerfa_content::data::structure::Content;
    using kerfa_content::data::structure::Data;
    using kerfa_content::data::types::Block;
    using kerfa_content::data::types::Section;
    constexpr std::size_t kInPlace = 13;  // what a String holds in place
    double items = 0, blocks = 0, sections = 0, attributes = 0, texts = 0;
    std::vector<const Data*> stack;
    for (const Data& item : document.children) {
        stack.push_back(&item);
    }
    while (!stack.empty()) {
        const Data* item = stack.back();
        stack.pop_back();
        items += 1;
        if (const auto* container = item->as_container()) {
            if (const Block* block = container->as_block()) {
                blocks += 1;
                attributes +=
                    block->attributes ? static_cast<double>(block->attributes->size()) : 0;
            } else if (container->as_section() != nullptr) {
                sections += 1;
            }
            for (const Data& child : container->children()) {
                stack.push_back(&child);
            }
        } else if (const Content* content = item->as_content()) {
            const std::size_t bytes = content->text().size();
            texts += bytes > kInPlace ? static_cast<double>(bytes) : 0;
        }
    }
    std::printf(
        "tree parts per input byte: items %.2f, blocks %.2f, sections %.2f, attributes %.2f, "
        "out-of-line texts %.2f\n",
        items * sizeof(Data) / input, blocks * sizeof(Block) / input,
        sections * sizeof(Section) / input,
        attributes * sizeof(kerfa_content::data::attributes::Attribute) / input, texts / input);
}

int tree(const std::string& path) {
    using kerfa_document_manager::components::convertors::convert;
    using kerfa_document_manager::types::ConvertTarget;
    std::error_code error;
    const double input = static_cast<double>(std::filesystem::file_size(path, error));
    if (error) {
        std::fprintf(stderr, "roads_bench: cannot read %s\n", path.c_str());
        return 1;
    }
    const std::size_t before = heap_in_use();

    Clock::time_point start = Clock::now();
    double read_parse = 0;
    double to_document = 0;
    double arena_bytes = 0;
    std::unique_ptr<kerfa_content::data::types::Document> document;
    {
        auto retrieved = kerfa_tool::retrieve(path, kerfa_tool::DoubleTagMode::RemovePrivate);
        if (!retrieved) {
            std::fprintf(stderr, "roads_bench: cannot parse %s\n", path.c_str());
            return 1;
        }
        read_parse = seconds_since(start);
        arena_bytes = static_cast<double>(retrieved->parse.storage->reserved_bytes());
        start = Clock::now();
        document = std::make_unique<kerfa_content::data::types::Document>(
            kerfa_tool::to_document(path, std::move(retrieved->parse)));
        to_document = seconds_since(start);
    }
    // Large arena blocks are mapped outside the allocator, so they are counted on their own.
    const double tree_bytes = static_cast<double>(heap_in_use() - before) + arena_bytes;

    print_tree_parts(*document, input);
    start = Clock::now();
    const std::size_t html = convert(*document, ConvertTarget::Html).size();
    const double html_time = seconds_since(start);
    start = Clock::now();
    const std::size_t kerfa = convert(*document, ConvertTarget::Kerfa).size();
    const double kerfa_time = seconds_since(start);
    start = Clock::now();
    document.reset();
    const double release = seconds_since(start);

    std::printf("tree_bytes_per_input_byte %.2f\n", tree_bytes / input);
    std::printf("html_bytes_per_input_byte %.2f\n", static_cast<double>(html) / input);
    std::printf("kerfa_bytes_per_input_byte %.2f\n", static_cast<double>(kerfa) / input);
    std::printf("ms read+parse %.0f, to_document %.0f, html %.0f, kerfa %.0f, release %.0f\n",
                read_parse * 1e3, to_document * 1e3, html_time * 1e3, kerfa_time * 1e3,
                release * 1e3);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view what = argc > 1 ? argv[1] : "";
    if ((what == "kerfa" || what == "markdown") && argc == 4) {
        return write_input(what, std::strtoul(argv[2], nullptr, 10), argv[3]);
    }
    if (what == "corpus" && argc == 3) {
        return write_input(what, 0, argv[2]);
    }
    if (what == "run" && argc >= 4) {
        return run(argv[2], argv + 3);
    }
    if (what == "tree" && argc == 3) {
        return tree(argv[2]);
    }
    std::fprintf(stderr,
                 "usage: roads_bench kerfa|markdown SIZE_MB OUTPUT\n"
                 "       roads_bench corpus OUTPUT\n"
                 "       roads_bench run STDOUT COMMAND [ARG...]\n"
                 "       roads_bench tree FILE\n");
    return 2;
}
