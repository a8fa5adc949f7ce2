#pragma once

#include <fmt/format.h>

#include <compare>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

#include "kerfa_content/data/storage/arena.hpp"

namespace kerfa_content::data::storage {

namespace detail {
[[noreturn]] void text_too_long();
}  // namespace detail

// An owned, unchangeable text in 14 bytes aligned to 1, so that an item holding one packs into
// 16: up to 13 bytes in place, a longer text in one allocation of exactly its size, on the heap
// or, for a parsed document, in its Arena. It reads as a std::string_view; a copy is always a
// text of its own on the heap.
class String {
  public:
    String() noexcept { clear(); }
    String(std::string_view text) { assign_heap(text); }  // NOLINT(google-explicit-constructor)
    String(const char* text) : String(std::string_view(text)) {}
    String(const std::string& text) : String(std::string_view(text)) {}
    String(const String& other) {
        if (other.is_far()) {
            assign_heap(other.view());
        } else {
            std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        }
    }
    String(String&& other) noexcept {
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        other.clear();
    }
    String& operator=(const String& other) {
        if (this != &other) {
            String copy(other);
            swap(copy);
        }
        return *this;
    }
    String& operator=(String&& other) noexcept {
        if (this != &other) {
            release();
            std::memcpy(bytes_, other.bytes_, sizeof bytes_);
            other.clear();
        }
        return *this;
    }
    String& operator=(std::string_view text) {
        String copy(text);
        swap(copy);
        return *this;
    }
    String& operator=(const char* text) { return *this = std::string_view(text); }
    String& operator=(const std::string& text) { return *this = std::string_view(text); }
    // A new text of both, on the heap.
    String& operator+=(std::string_view more) {
        std::string joined(view());
        joined.append(more);
        return *this = std::string_view(joined);
    }
    ~String() { release(); }

    // The text in place when short, else copied into the arena, which must outlive it.
    static String in_arena(Arena& arena, std::string_view text) {
        String out;
        if (text.size() <= kInPlace) {
            out.assign_near(text);
        } else {
            check_length(text.size());
            out.assign_far(arena.copy(text), text.size(), kArenaTag);
        }
        return out;
    }

    const char* data() const noexcept { return is_far() ? far_pointer() : bytes_; }
    std::size_t size() const noexcept {
        return is_far() ? far_length() : tag();
    }
    std::size_t length() const noexcept { return size(); }
    bool empty() const noexcept { return size() == 0; }
    const char* begin() const noexcept { return data(); }
    const char* end() const noexcept { return data() + size(); }
    char operator[](std::size_t i) const noexcept { return data()[i]; }
    char front() const noexcept { return data()[0]; }
    char back() const noexcept { return data()[size() - 1]; }

    std::string_view view() const noexcept { return {data(), size()}; }
    operator std::string_view() const noexcept { return view(); }  // NOLINT
    std::string str() const { return std::string(view()); }

    bool starts_with(std::string_view prefix) const noexcept { return view().starts_with(prefix); }
    bool ends_with(std::string_view suffix) const noexcept { return view().ends_with(suffix); }
    std::size_t find(std::string_view what, std::size_t from = 0) const noexcept {
        return view().find(what, from);
    }
    std::size_t find(char what, std::size_t from = 0) const noexcept {
        return view().find(what, from);
    }
    std::string_view substr(std::size_t from, std::size_t count = std::string_view::npos) const {
        return view().substr(from, count);
    }

    // Whether the bytes live in an arena (a long text of a parsed document).
    bool in_arena() const noexcept { return is_far() && tag() == kArenaTag; }
    // Whether the bytes live in an allocation of their own (a long text made anywhere else).
    bool on_heap() const noexcept { return is_far() && tag() == kHeapTag; }

    void swap(String& other) noexcept {
        char held[sizeof bytes_];
        std::memcpy(held, bytes_, sizeof bytes_);
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        std::memcpy(other.bytes_, held, sizeof bytes_);
    }

    friend bool operator==(const String& a, const String& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator==(const String& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const String& a, const std::string& b) noexcept {
        return a.view() == std::string_view(b);
    }
    friend bool operator==(const String& a, const char* b) noexcept {
        return a.view() == std::string_view(b);
    }
    friend std::strong_ordering operator<=>(const String& a, const String& b) noexcept {
        return a.view() <=> b.view();
    }
    friend std::strong_ordering operator<=>(const String& a, std::string_view b) noexcept {
        return a.view() <=> b;
    }
    friend std::strong_ordering operator<=>(const String& a, const std::string& b) noexcept {
        return a.view() <=> std::string_view(b);
    }
    friend std::strong_ordering operator<=>(const String& a, const char* b) noexcept {
        return a.view() <=> std::string_view(b);
    }

    // std::string + String, as the writers build their texts.
    friend std::string operator+(std::string a, const String& b) {
        a.append(b.data(), b.size());
        return a;
    }
    friend std::string operator+(const String& a, std::string_view b) {
        std::string out(a.view());
        out.append(b);
        return out;
    }
    friend std::string operator+(const char* a, const String& b) {
        std::string out(a);
        out.append(b.data(), b.size());
        return out;
    }

    friend std::ostream& operator<<(std::ostream& out, const String& text);

  private:
    // The last byte tells the forms apart: up to 13 it is the length of a text in place;
    // otherwise it is the far form's tag.
    static constexpr std::size_t kInPlace = 13;
    static constexpr std::size_t kLast = 13;
    static constexpr std::size_t kLengthBytes = 5;
    static constexpr std::uint8_t kHeapTag = 0x80;
    static constexpr std::uint8_t kArenaTag = 0xC0;
    static constexpr std::uint64_t kLongest = (std::uint64_t{1} << (8 * kLengthBytes)) - 1;

    std::uint8_t tag() const noexcept { return static_cast<std::uint8_t>(bytes_[kLast]); }
    bool is_far() const noexcept { return tag() >= kHeapTag; }
    const char* far_pointer() const noexcept {
        const char* pointer;
        std::memcpy(&pointer, bytes_, sizeof pointer);
        return pointer;
    }
    std::size_t far_length() const noexcept {
        std::uint64_t length = 0;
        std::memcpy(&length, bytes_ + 8, kLengthBytes);
        return static_cast<std::size_t>(length);
    }

    void clear() noexcept { std::memset(bytes_, 0, sizeof bytes_); }
    void assign_near(std::string_view text) noexcept {
        clear();
        if (!text.empty()) {
            std::memcpy(bytes_, text.data(), text.size());
        }
        bytes_[kLast] = static_cast<char>(text.size());
    }
    void assign_far(const char* pointer, std::size_t length, std::uint8_t tag) noexcept {
        const std::uint64_t word = length;
        std::memcpy(bytes_, &pointer, sizeof pointer);
        std::memcpy(bytes_ + 8, &word, kLengthBytes);
        bytes_[kLast] = static_cast<char>(tag);
    }
    static void check_length(std::size_t length) {
        if (length > kLongest) {
            detail::text_too_long();
        }
    }
    void assign_heap(std::string_view text) {
        if (text.size() <= kInPlace) {
            assign_near(text);
            return;
        }
        check_length(text.size());
        char* copy = new char[text.size()];
        std::memcpy(copy, text.data(), text.size());
        assign_far(copy, text.size(), kHeapTag);
    }
    void release() noexcept {
        if (is_far() && tag() == kHeapTag) {
            delete[] far_pointer();
        }
    }

    // Little-endian: in the far form, bytes 0-7 hold the pointer, bytes 8-12 the length and
    // byte 13 the tag.
    char bytes_[14];
};

static_assert(sizeof(String) == 14 && alignof(String) == 1);
static_assert(std::endian::native == std::endian::little && sizeof(void*) == 8,
              "the far form's length is read as the low bytes of a word");

}  // namespace kerfa_content::data::storage

template <>
struct fmt::formatter<kerfa_content::data::storage::String> : fmt::formatter<std::string_view> {
    template <class Context>
    auto format(const kerfa_content::data::storage::String& text, Context& context) const {
        return fmt::formatter<std::string_view>::format(text.view(), context);
    }
};
