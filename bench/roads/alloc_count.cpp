// Counts the heap allocations of a whole process, for scripts/bench-roads: preloaded with
// LD_PRELOAD, it passes every allocation call on to the C library and, when the process exits,
// writes their number to the file named by KERFA_ALLOC_COUNT_FILE.

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<unsigned long> allocations{0};

void count() {
    allocations.fetch_add(1, std::memory_order_relaxed);
}

[[gnu::destructor]] void report() {
    const char* path = std::getenv("KERFA_ALLOC_COUNT_FILE");
    if (path == nullptr) {
        return;
    }
    char line[32];
    const int length = std::snprintf(line, sizeof line, "%lu\n", allocations.load());
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        (void)!::write(fd, line, static_cast<std::size_t>(length));
        ::close(fd);
    }
}

}  // namespace

extern "C" {

void* malloc(std::size_t size) {
    count();
    return __libc_malloc(size);
}

void* calloc(std::size_t number, std::size_t size) {
    count();
    return __libc_calloc(number, size);
}

void* realloc(void* pointer, std::size_t size) {
    count();
    return __libc_realloc(pointer, size);
}

void free(void* pointer) {
    __libc_free(pointer);
}

void* memalign(std::size_t alignment, std::size_t size) {
    count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) {
    count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) {
    if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) {
        return EINVAL;
    }
    count();
    void* pointer = __libc_memalign(alignment, size);
    if (pointer == nullptr && size != 0) {
        return ENOMEM;
    }
    *result = pointer;
    return 0;
}

}  // extern "C"
