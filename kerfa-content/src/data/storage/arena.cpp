#include "kerfa_content/data/storage/arena.hpp"

#include <algorithm>
#include <cstdlib>

#include "kerfa_content/data/storage/list.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_content::data::storage {

Arena::~Arena() {
    while (last_ != nullptr) {
        BlockHeader* previous = last_->previous;
        ::operator delete(static_cast<void*>(last_));
        last_ = previous;
    }
}

void* Arena::allocate_in_new_block(std::size_t bytes, std::size_t alignment) {
    // The header keeps the payload aligned for anything up to std::max_align_t.
    constexpr std::size_t header =
        (sizeof(BlockHeader) + alignof(std::max_align_t) - 1) & ~(alignof(std::max_align_t) - 1);
    const std::size_t needed = header + bytes + alignment;
    if (needed > next_block_size_ / 2) {
        // A block of its own, behind the current one, which keeps serving the small requests.
        auto* block = static_cast<BlockHeader*>(::operator new(needed));
        block->size = needed;
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
    auto* block = static_cast<BlockHeader*>(::operator new(size));
    block->previous = last_;
    block->size = size;
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
