#pragma once

// What the whole-conversion benchmarks share: an input file, a peak-memory probe and the
// conversion as the command line runs it.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

#include "kerfa_document_manager/components/convertors/convertor.hpp"
#include "kerfa_tool/utils_read.hpp"

namespace kerfa_bench {

// The part repeated until the text holds at least bytes bytes.
inline std::string repeat_to(std::string_view part, std::size_t bytes) {
    std::string out;
    out.reserve(bytes + part.size());
    while (out.size() < bytes) {
        out += part;
    }
    return out;
}

// A text written once to a file of its own, removed when the benchmark ends.
class TempInputFile {
  public:
    TempInputFile(std::string_view stem, const std::string& text,
                  std::string_view extension = ".kerfa")
        : path_(std::filesystem::temp_directory_path() /
                (std::string(stem) + "-" + std::to_string(::getpid()) + std::string(extension))) {
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~TempInputFile() { std::filesystem::remove(path_); }
    TempInputFile(const TempInputFile&) = delete;
    TempInputFile& operator=(const TempInputFile&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline long status_kib(std::string_view key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(key)) {
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
        }
    }
    return 0;
}

// The memory one run adds at its peak, from the kernel's high-water mark of resident memory
// (reset first), so allocations of any library count.
template <typename Run>
void report_peak(benchmark::State& state, std::size_t input_bytes, Run&& run) {
    malloc_trim(0);
    const long before = status_kib("VmRSS:");
    std::ofstream("/proc/self/clear_refs") << "5";
    std::forward<Run>(run)();
    const double peak = static_cast<double>(status_kib("VmHWM:") - before) * 1024.0;
    state.counters["peak_MB"] = peak / (1024.0 * 1024.0);
    state.counters["peak_x_input"] = peak / static_cast<double>(input_bytes);
}

using kerfa_document_manager::types::ConvertTarget;

// Read, parse and convert as the command line does, without writing the result.
inline std::size_t convert_file(const std::string& path, ConvertTarget target) {
    auto retrieved = kerfa_tool::retrieve(path, kerfa_tool::DoubleTagMode::RemovePrivate);
    if (!retrieved) {
        std::abort();
    }
    const auto document = kerfa_tool::to_document(path, std::move(retrieved->parse));
    return kerfa_document_manager::components::convertors::convert(document, target).size();
}

}  // namespace kerfa_bench
