#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

// Runs body with file descriptor 1 pointing at a temporary file and returns what was written.
inline std::string capture_stdout(const std::function<void()>& body) {
    std::fflush(stdout);
    char path[] = "/tmp/shared_stdout_XXXXXX";
    const int file = ::mkstemp(path);
    if (file < 0) {
        std::abort();
    }
    ::unlink(path);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(file, STDOUT_FILENO);
    body();
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    std::string captured;
    char buffer[4096];
    ::lseek(file, 0, SEEK_SET);
    for (ssize_t n; (n = ::read(file, buffer, sizeof buffer)) > 0;) {
        captured.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(file);
    return captured;
}
