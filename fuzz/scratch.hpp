#pragma once

// What the file-reading fuzz targets share: a scratch folder of their own, made once per process
// under TMPDIR (a tmpfs such as /dev/shm keeps the disk out of it), and a failed check that
// libFuzzer reports with its input.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "broken: %s %s\n", what, detail.c_str());
    std::abort();
}

// The process's scratch folder; removed by nobody, so a crash leaves its files to look at.
inline const std::filesystem::path& scratch() {
    static const std::filesystem::path folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern =
            std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/kerfa-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            fail("cannot make a scratch folder", pattern);
        }
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// Whether the file could be written whole.
inline bool write_file(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

// write_file of a file the target's check needs.
inline void must_write_file(const std::filesystem::path& path, std::string_view bytes) {
    if (!write_file(path, bytes)) {
        fail("cannot write", path.string());
    }
}

}  // namespace fuzz
