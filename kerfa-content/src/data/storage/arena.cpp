#include "kerfa_content/data/storage/arena.hpp"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "kerfa_content/data/storage/list.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_content::data::storage {

namespace {

// Blocks of this size or more are mapped on their own, aligned to it and marked for huge pages:
// a large tree then takes one page fault and one TLB entry per 2 MiB instead of per 4 KiB.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

void* new_block(std::size_t size, bool& mapped) {
    mapped = false;
    if (size >= kHugePage) {
        void* region = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (region != MAP_FAILED) {
            const auto start = reinterpret_cast<std::uintptr_t>(region);
            const auto aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
            if (aligned != start) {
                ::munmap(region, aligned - start);
            }
            ::munmap(reinterpret_cast<void*>(aligned + size), start + kHugePage - aligned);
            (void)::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
            mapped = true;
            return reinterpret_cast<void*>(aligned);
        }
        // Out of address space: the allocator's own failure path reports it.
    }
    return ::operator new(size);
}

void free_block(void* block, std::size_t size, bool mapped) {
    if (mapped) {
        ::munmap(block, size);
    } else {
        ::operator delete(block);
    }
}

}  // namespace

Arena::~Arena() {
    // The records of adopted memory live in the blocks, so they go first.
    for (Adopted* adopted = adopted_; adopted != nullptr; adopted = adopted->previous) {
        ::operator delete(adopted->memory);
    }
    while (last_ != nullptr) {
        BlockHeader* previous = last_->previous;
        free_block(last_, last_->size, last_->mapped);
        last_ = previous;
    }
}

void Arena::adopt(void* memory, std::size_t bytes) {
    adopted_ = make<Adopted>(Adopted{adopted_, memory});
    reserved_ += bytes;
}

void* Arena::allocate_in_new_block(std::size_t bytes, std::size_t alignment) {
    // The header keeps the payload aligned for anything up to std::max_align_t.
    constexpr std::size_t header =
        (sizeof(BlockHeader) + alignof(std::max_align_t) - 1) & ~(alignof(std::max_align_t) - 1);
    const std::size_t needed = header + bytes + alignment;
    if (needed > next_block_size_ / 2) {
        // A block of its own, behind the current one, which keeps serving the small requests.
        bool mapped = false;
        auto* block = static_cast<BlockHeader*>(new_block(needed, mapped));
        block->size = needed;
        block->mapped = mapped;
        reserved_ += needed;
        if (last_ == nullptr) {
            block->previous = nullptr;
            last_ = block;
        } else {
            block->previous = last_->previous;
            last_->previous = block;
        }
        const auto start = reinterpret_cast<std::uintptr_t>(block) + header;
        return reinterpret_cast<void*>((start + alignment - 1) & ~(alignment - 1));
    }
    const std::size_t size = next_block_size_;
    next_block_size_ = std::min(next_block_size_ * 2, kLargestBlockSize);
    bool mapped = false;
    auto* block = static_cast<BlockHeader*>(new_block(size, mapped));
    block->previous = last_;
    block->size = size;
    block->mapped = mapped;
    last_ = block;
    reserved_ += size;
    next_ = reinterpret_cast<char*>(block) + header;
    end_ = reinterpret_cast<char*>(block) + size;
    return allocate(bytes, alignment);
}

namespace detail {

void list_too_long() {
    shared::utils::internal_fault("a list of more than 2^30 items");
}

void index_out_of_range() {
    shared::utils::internal_fault("a list read past its end");
}

}  // namespace detail

}  // namespace kerfa_content::data::storage
