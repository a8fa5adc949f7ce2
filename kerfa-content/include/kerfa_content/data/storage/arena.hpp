#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string_view>
#include <utility>

namespace kerfa_content::data::storage {

// Memory for the items of one parsed document: handed out by bumping a pointer through large
// blocks and given back all at once when the arena goes. Nothing is freed one by one and nothing
// in it is destroyed by the arena: what lives here must be released by its owners' rules (see
// Box, List and String). Blocks grow with the document, so a short text costs a few kilobytes
// and a long one a few hundred blocks.
class Arena {
  public:
    Arena() = default;
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;
    ~Arena();

    // Uninitialised memory for bytes bytes at the given alignment (a power of two, at most that
    // of std::max_align_t).
    void* allocate(std::size_t bytes, std::size_t alignment) {
        auto address = reinterpret_cast<std::uintptr_t>(next_);
        address = (address + alignment - 1) & ~(alignment - 1);
        if (address + bytes > reinterpret_cast<std::uintptr_t>(end_)) {
            return allocate_in_new_block(bytes, alignment);
        }
        next_ = reinterpret_cast<char*>(address + bytes);
        return reinterpret_cast<void*>(address);
    }

    // Room for count values of T, uninitialised.
    template <class T>
    T* allocate_array(std::size_t count) {
        return static_cast<T*>(allocate(sizeof(T) * count, alignof(T)));
    }

    // A T built in the arena.
    template <class T, class... Args>
    T* make(Args&&... args) {
        return ::new (allocate(sizeof(T), alignof(T))) T(std::forward<Args>(args)...);
    }

    // A copy of the bytes in the arena.
    char* copy(std::string_view bytes) {
        char* out = static_cast<char*>(allocate(bytes.size(), 1));
        if (!bytes.empty()) {
            std::char_traits<char>::copy(out, bytes.data(), bytes.size());
        }
        return out;
    }

    // Takes over memory from ::operator new, released with the arena.
    void adopt(void* memory, std::size_t bytes);

    // Bytes taken from the system so far, in all blocks.
    std::size_t reserved_bytes() const { return reserved_; }

    // The length of the text whose items the arena holds, as the parser noted it: writers size
    // their output from it.
    std::size_t source_bytes() const { return source_bytes_; }
    void set_source_bytes(std::size_t bytes) { source_bytes_ = bytes; }

  private:
    struct BlockHeader {
        BlockHeader* previous;
        std::size_t size;
        bool mapped;  // mapped on its own (see the .cpp), not from the allocator
    };

    void* allocate_in_new_block(std::size_t bytes, std::size_t alignment);

    struct Adopted {
        Adopted* previous;
        void* memory;
    };

    BlockHeader* last_ = nullptr;
    Adopted* adopted_ = nullptr;
    char* next_ = nullptr;
    char* end_ = nullptr;
    std::size_t next_block_size_ = kFirstBlockSize;
    std::size_t reserved_ = 0;
    std::size_t source_bytes_ = 0;

    static constexpr std::size_t kFirstBlockSize = 4 * 1024;
    static constexpr std::size_t kLargestBlockSize = 4 * 1024 * 1024;
};

}  // namespace kerfa_content::data::storage
