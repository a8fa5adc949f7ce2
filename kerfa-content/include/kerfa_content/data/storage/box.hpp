#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

#include "kerfa_content/data/storage/arena.hpp"

namespace kerfa_content::data::storage {

// An owned value in its own allocation, on the heap or in an Arena, like a std::unique_ptr that
// may also point into an arena: dropping the box destroys the value and frees the memory only
// when it came from the heap. Empty only when default-made or moved from. T may be incomplete
// where the box is declared. Its word is aligned to 1, so that an item holding a box packs tight.
template <class T>
class Box {
  public:
    Box() noexcept = default;
    Box(std::nullptr_t) noexcept {}  // NOLINT(google-explicit-constructor)
    explicit Box(std::unique_ptr<T> owned) noexcept {
        set_bits(reinterpret_cast<std::uintptr_t>(owned.release()));
    }

    template <class... Args>
    static Box make(Args&&... args) {
        return Box(std::make_unique<T>(std::forward<Args>(args)...));
    }
    // The value built in the arena, which must outlive the box.
    template <class... Args>
    static Box in_arena(Arena& arena, Args&&... args) {
        // At least 2-aligned, so that the low bit of the pointer is free to mark arena memory.
        constexpr std::size_t alignment = alignof(T) < 2 ? 2 : alignof(T);
        T* value = ::new (arena.allocate(sizeof(T), alignment)) T(std::forward<Args>(args)...);
        Box box;
        box.set_bits(reinterpret_cast<std::uintptr_t>(value) | kArenaBit);
        return box;
    }

    Box(Box&& other) noexcept {
        set_bits(other.bits());
        other.set_bits(0);
    }
    Box& operator=(Box&& other) noexcept {
        if (this != &other) {
            reset();
            set_bits(other.bits());
            other.set_bits(0);
        }
        return *this;
    }
    ~Box() { reset(); }

    T* get() const noexcept { return reinterpret_cast<T*>(bits() & ~kArenaBit); }
    T& operator*() const noexcept { return *get(); }
    T* operator->() const noexcept { return get(); }
    explicit operator bool() const noexcept { return bits() != 0; }
    bool in_arena() const noexcept { return (bits() & kArenaBit) != 0; }

    void reset() noexcept {
        T* value = get();
        if (value == nullptr) {
            return;
        }
        if (in_arena()) {
            value->~T();
        } else {
            delete value;
        }
        set_bits(0);
    }

  private:
    static constexpr std::uintptr_t kArenaBit = 1;

    std::uintptr_t bits() const noexcept {
        std::uintptr_t bits;
        std::memcpy(&bits, bytes_, sizeof bits);
        return bits;
    }
    void set_bits(std::uintptr_t bits) noexcept { std::memcpy(bytes_, &bits, sizeof bits); }

    // The pointer, with kArenaBit set for arena memory.
    unsigned char bytes_[sizeof(std::uintptr_t)] = {};
};

// A large value kept out of line so that the record holding it stays small, with the value's own
// meaning: made, copied (deeply, on the heap) and compared as the value. It lives on the heap or
// in an Arena (see Box).
template <class T>
class Boxed {
  public:
    Boxed() : box_(Box<T>::make()) {}
    Boxed(T value)  // NOLINT(google-explicit-constructor): stands for its value
        : box_(Box<T>::make(std::move(value))) {}
    template <class... Args>
    static Boxed in_arena(Arena& arena, Args&&... args) {
        return Boxed(Box<T>::in_arena(arena, std::forward<Args>(args)...));
    }

    Boxed(const Boxed& other) : box_(Box<T>::make(*other)) {}
    Boxed& operator=(const Boxed& other) {
        if (this != &other) {
            box_ = Box<T>::make(*other);
        }
        return *this;
    }
    Boxed(Boxed&&) noexcept = default;
    Boxed& operator=(Boxed&&) noexcept = default;
    ~Boxed() = default;

    const T& operator*() const noexcept { return *box_; }
    T& operator*() noexcept { return *box_; }
    const T* operator->() const noexcept { return box_.get(); }
    T* operator->() noexcept { return box_.get(); }
    const T& value() const noexcept { return *box_; }
    operator const T&() const noexcept { return *box_; }  // NOLINT(google-explicit-constructor)
    bool in_arena() const noexcept { return box_.in_arena(); }

    friend bool operator==(const Boxed& a, const Boxed& b) { return *a == *b; }

  private:
    explicit Boxed(Box<T> box) noexcept : box_(std::move(box)) {}

    Box<T> box_;
};

}  // namespace kerfa_content::data::storage
