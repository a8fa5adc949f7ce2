#include "shared/utils/large_text.hpp"

#include <sys/mman.h>

#include <cstdint>

namespace shared::utils {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

void reserve_large(std::string& text, std::size_t bytes) {
    text.reserve(text.size() + bytes);
    if (text.capacity() < 2 * kHugePage) {
        return;
    }
    // The whole huge pages inside the room, which the allocator maps on its own at this size.
    const auto start = reinterpret_cast<std::uintptr_t>(text.data());
    const auto first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const auto last = (start + text.capacity()) & ~(kHugePage - 1);
    if (last > first) {
        (void)::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}

}  // namespace shared::utils
