#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "kerfa_content/data/storage/arena.hpp"

namespace kerfa_content::data::storage {

// Whether a T may be moved by copying its bytes, the original then forgotten (it holds no pointer
// into itself and nothing points at it): trivially copyable types, and the types that say so.
template <class T>
inline constexpr bool is_relocatable_v = std::is_trivially_copyable_v<T>;

namespace detail {
[[noreturn]] void list_too_long();
[[noreturn]] void index_out_of_range();
}  // namespace detail

// A sequence of T in 16 bytes, used like a std::vector. Its items live on the heap (growing as
// a vector does) or, for a parsed document, in an exact-size array in its Arena. An arena list
// that nobody has changed or reached through a non-const accessor holds only what the parser put
// there, all of it in the arena too, so dropping it destroys nothing: a parsed tree is released
// with its arena, without a walk. Reaching its items for change marks the list, which then
// destroys its items like any other when dropped; adding to it moves the items to the heap first.
template <class T>
class List {
  public:
    using value_type = T;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = T&;
    using const_reference = const T&;
    using pointer = T*;
    using const_pointer = const T*;
    using iterator = T*;
    using const_iterator = const T*;
    using reverse_iterator = std::reverse_iterator<T*>;
    using const_reverse_iterator = std::reverse_iterator<const T*>;

    List() noexcept = default;
    List(std::vector<T>&& items) {  // NOLINT(google-explicit-constructor): a list is its items
        take_from(items);
    }
    List(const std::vector<T>& items)  // NOLINT(google-explicit-constructor)
        requires std::is_copy_constructible_v<T> {
        reserve(items.size());
        for (const T& item : items) {
            emplace_back(item);
        }
    }
    List(std::initializer_list<T> items) requires std::is_copy_constructible_v<T> {
        reserve(items.size());
        for (const T& item : items) {
            emplace_back(item);
        }
    }
    List(const List& other) requires std::is_copy_constructible_v<T> {
        reserve(other.size());
        for (const T& item : other) {
            emplace_back(item);
        }
    }
    List(List&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)),
          size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    List& operator=(const List& other) requires std::is_copy_constructible_v<T> {
        if (this != &other) {
            List copy(other);
            swap(copy);
        }
        return *this;
    }
    List& operator=(List&& other) noexcept {
        if (this != &other) {
            List old(std::move(*this));
            swap(other);
        }
        return *this;
    }
    List& operator=(std::vector<T>&& items) {
        List replacement(std::move(items));
        swap(replacement);
        return *this;
    }
    ~List() { release(); }

    // The items moved into an exact array in the arena, which must outlive the list.
    static List in_arena(Arena& arena, T* first, std::size_t count) {
        List list;
        if (count == 0) {
            return list;
        }
        check_size(count);
        T* items = arena.allocate_array<T>(count);
        for (std::size_t i = 0; i < count; ++i) {
            ::new (static_cast<void*>(items + i)) T(std::move(first[i]));
        }
        list.data_ = items;
        list.size_ = static_cast<std::uint32_t>(count);
        list.capacity_ = static_cast<std::uint32_t>(count) | kArena;
        return list;
    }

    // The items of `from` from `first` on, moved into an exact array in the arena; `from` keeps
    // the ones before. Relocatable items move as bytes, neither moved nor destroyed one by one.
    static List take_into_arena(Arena& arena, List& from, std::size_t first) {
        const std::size_t count = from.size_ - first;
        if constexpr (is_relocatable_v<T>) {
            List list;
            if (count == 0) {
                return list;
            }
            if (first == 0 && (from.capacity_ & kArena) == 0 && count * sizeof(T) >= kAdoptBytes) {
                // All of a large heap list: the arena takes its array as it is, without a copy.
                arena.adopt(from.data_, from.capacity() * sizeof(T));
                list.data_ = std::exchange(from.data_, nullptr);
                list.size_ = static_cast<std::uint32_t>(count);
                list.capacity_ = static_cast<std::uint32_t>(count) | kArena;
                from.size_ = 0;
                from.capacity_ = 0;
                return list;
            }
            T* items = arena.allocate_array<T>(count);
            std::memcpy(static_cast<void*>(items), static_cast<const void*>(from.data_ + first),
                        count * sizeof(T));
            from.size_ = static_cast<std::uint32_t>(first);
            list.data_ = items;
            list.size_ = static_cast<std::uint32_t>(count);
            list.capacity_ = static_cast<std::uint32_t>(count) | kArena;
            return list;
        } else {
            List list = in_arena(arena, from.data() + first, count);
            from.resize(first);
            return list;
        }
    }

    // The items moved into a heap array of exactly their number; this list keeps its room,
    // empty. Relocatable items move as bytes, neither moved nor destroyed one by one.
    List take_exact() {
        List list;
        if (size_ == 0) {
            return list;
        }
        T* items = allocate(size_);
        if constexpr (is_relocatable_v<T>) {
            std::memcpy(static_cast<void*>(items), static_cast<const void*>(data_),
                        size_ * sizeof(T));
        } else {
            for (std::uint32_t i = 0; i < size_; ++i) {
                ::new (static_cast<void*>(items + i)) T(std::move(data_[i]));
            }
            destroy_items();
        }
        list.data_ = items;
        list.size_ = std::exchange(size_, 0);
        list.capacity_ = list.size_;
        return list;
    }

    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    std::size_t capacity() const noexcept { return capacity_ & kCapacityMask; }
    // Whether the items are the arena's, untouched since the list was made.
    bool is_pristine() const noexcept { return (capacity_ & (kArena | kTouched)) == kArena; }

    const T* data() const noexcept { return data_; }
    T* data() noexcept {
        touch();
        return data_;
    }
    const T* begin() const noexcept { return data_; }
    const T* end() const noexcept { return data_ + size_; }
    T* begin() noexcept { return data(); }
    T* end() noexcept { return data() + size_; }
    const T* cbegin() const noexcept { return begin(); }
    const T* cend() const noexcept { return end(); }
    const_reverse_iterator rbegin() const noexcept { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const noexcept { return const_reverse_iterator(begin()); }
    reverse_iterator rbegin() noexcept { return reverse_iterator(end()); }
    reverse_iterator rend() noexcept { return reverse_iterator(begin()); }
    const T& operator[](std::size_t i) const noexcept { return data_[i]; }
    T& operator[](std::size_t i) noexcept { return data()[i]; }
    const T& at(std::size_t i) const {
        check_index(i);
        return data_[i];
    }
    T& at(std::size_t i) {
        check_index(i);
        return data()[i];
    }
    const T& front() const noexcept { return data_[0]; }
    T& front() noexcept { return data()[0]; }
    const T& back() const noexcept { return data_[size_ - 1]; }
    T& back() noexcept { return data()[size_ - 1]; }

    void reserve(std::size_t wanted) {
        if (wanted > capacity() || (capacity_ & kArena) != 0) {
            reallocate(std::max(wanted, static_cast<std::size_t>(size_)));
        }
    }

    template <class... Args>
    T& emplace_back(Args&&... args) {
        if (size_ == capacity() || (capacity_ & kArena) != 0) {
            // The new item is made first: its arguments may be items of this list.
            const std::size_t room = std::max<std::size_t>(4, 2 * static_cast<std::size_t>(size_));
            check_size(room);
            T* items = allocate(room);
            ::new (static_cast<void*>(items + size_)) T(std::forward<Args>(args)...);
            move_to(items, room);
        } else {
            ::new (static_cast<void*>(data_ + size_)) T(std::forward<Args>(args)...);
        }
        ++size_;
        return data_[size_ - 1];
    }
    // Adds an item to a list whose items are the arena's (an empty list or one made in the
    // arena), growing it there; the item must hold nothing but arena memory (see in_arena). A
    // heap list grows on the heap as usual.
    template <class... Args>
    T& emplace_back_in(Arena& arena, Args&&... args) {
        if ((capacity_ & kArena) == 0 && data_ != nullptr) {
            return emplace_back(std::forward<Args>(args)...);
        }
        if (size_ == capacity()) {
            // Most such lists hold one item: room for one, then doubling; an outgrown array
            // stays behind in the arena.
            const std::size_t room = std::max<std::size_t>(1, 2 * static_cast<std::size_t>(size_));
            check_size(room);
            T* items = arena.allocate_array<T>(room);
            ::new (static_cast<void*>(items + size_)) T(std::forward<Args>(args)...);
            for (std::uint32_t i = 0; i < size_; ++i) {
                ::new (static_cast<void*>(items + i)) T(std::move(data_[i]));
            }
            data_ = items;
            capacity_ = static_cast<std::uint32_t>(room) | kArena | (capacity_ & kTouched);
        } else {
            ::new (static_cast<void*>(data_ + size_)) T(std::forward<Args>(args)...);
        }
        ++size_;
        return data_[size_ - 1];
    }
    void push_back(const T& item) { emplace_back(item); }
    void push_back(T&& item) { emplace_back(std::move(item)); }

    // Puts the item before position (an iterator of this list) and gives where it now stands.
    T* insert(const T* position, T item) {
        const std::size_t at = static_cast<std::size_t>(position - data_);
        emplace_back(std::move(item));
        std::rotate(data_ + at, data_ + size_ - 1, data_ + size_);
        return data_ + at;
    }
    template <class Iterator>
    T* insert(const T* position, Iterator first, Iterator last) {
        const std::size_t at = static_cast<std::size_t>(position - data_);
        const std::size_t before = size_;
        for (; first != last; ++first) {
            emplace_back(*first);
        }
        std::rotate(data_ + at, data_ + before, data_ + size_);
        return data_ + at;
    }
    T* erase(const T* position) {
        const std::size_t at = static_cast<std::size_t>(position - data_);
        touch();
        std::move(data_ + at + 1, data_ + size_, data_ + at);
        pop_back();
        return data_ + at;
    }
    // Drops items from the end, or adds default-made ones.
    void resize(std::size_t count) requires std::is_default_constructible_v<T> {
        while (size_ > count) {
            pop_back();
        }
        if (size_ < count) {
            reserve(count);
        }
        while (size_ < count) {
            emplace_back();
        }
    }

    void pop_back() noexcept {
        touch();
        --size_;
        data_[size_].~T();
    }

    void clear() noexcept {
        destroy_items();
        size_ = 0;
    }

    void swap(List& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
    }

    friend bool operator==(const List& a, const List& b) requires requires(const T& x) { x == x; }
    { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }

  private:
    static constexpr std::uint32_t kArena = std::uint32_t{1} << 31;
    static constexpr std::uint32_t kTouched = std::uint32_t{1} << 30;
    static constexpr std::uint32_t kCapacityMask = kTouched - 1;
    static constexpr std::size_t kAdoptBytes = std::size_t{1} << 20;

    void check_index(std::size_t i) const {
        if (i >= size_) {
            detail::index_out_of_range();
        }
    }

    static void check_size(std::size_t count) {
        if (count > kCapacityMask) {
            detail::list_too_long();
        }
    }

    void touch() noexcept { capacity_ |= kTouched; }

    void take_from(std::vector<T>& items) {
        reserve(items.size());
        for (T& item : items) {
            emplace_back(std::move(item));
        }
        items.clear();
    }

    static T* allocate(std::size_t room) {
        static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
        return static_cast<T*>(::operator new(sizeof(T) * room));
    }

    // Moves the items to a heap array of the given room; the list is then an ordinary heap list.
    void reallocate(std::size_t room) {
        check_size(room);
        move_to(allocate(room), room);
    }

    void move_to(T* items, std::size_t room) noexcept {
        const std::uint32_t size = size_;
        if constexpr (is_relocatable_v<T>) {
            if (size != 0) {
                std::memcpy(static_cast<void*>(items), static_cast<const void*>(data_),
                            size * sizeof(T));
            }
        } else {
            for (std::uint32_t i = 0; i < size_; ++i) {
                ::new (static_cast<void*>(items + i)) T(std::move(data_[i]));
            }
            destroy_items();
        }
        free_array();
        data_ = items;
        size_ = size;
        capacity_ = static_cast<std::uint32_t>(room);
    }

    // Destroys the items that need it: all of them, unless the list is pristine.
    void destroy_items() noexcept {
        if (!is_pristine()) {
            for (std::uint32_t i = 0; i < size_; ++i) {
                data_[i].~T();
            }
        }
    }

    void free_array() noexcept {
        if (data_ != nullptr && (capacity_ & kArena) == 0) {
            ::operator delete(static_cast<void*>(data_));
        }
        data_ = nullptr;
    }

    void release() noexcept {
        destroy_items();
        free_array();
    }

    T* data_ = nullptr;
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = 0;  // with the arena and touched marks in the two high bits
};

}  // namespace kerfa_content::data::storage
