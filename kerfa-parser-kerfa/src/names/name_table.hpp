#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace kerfa_parser_kerfa::names {

// Hashes a name by its length and three of its bytes: names are short and differ early, so this
// spreads them as well as hashing every byte, at a fraction of the cost.
constexpr std::uint64_t hash_name(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint64_t>(static_cast<unsigned char>(name[i]));
    };
    return (name.size() | byte(0) << 8 | byte(name.size() / 2) << 16 |
            byte(name.size() - 1) << 24) *
           0x9E3779B97F4A7C15ULL;
}

// Byte by byte, inline: names are a few bytes long, shorter than a call to memcmp.
constexpr bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

// One written form and what it stands for.
template <class V>
struct NamedValue {
    std::string_view name;
    V value;
};

// Names that share one value.
template <class V>
struct NameGroup {
    V value;
    std::initializer_list<std::string_view> names;
};

// Reached only while a table is compiled, where they stop the build: a name given twice, a
// count of names that is not the table's size.
void name_given_twice();
void name_count_wrong();

// A constant table of names, laid out when the program is compiled (open addressing on
// hash_name, at most half full), so that no process pays to build it and a lookup hashes once
// and compares one name or two.
template <class V, std::size_t N>
class NameTable {
  public:
    // N must be the number of names of the groups.
    consteval explicit NameTable(std::initializer_list<NameGroup<V>> groups)
        : entries_(), slots_() {
        std::size_t next = 0;
        for (const NameGroup<V>& group : groups) {
            for (std::string_view name : group.names) {
                if (find(name) != nullptr) {
                    name_given_twice();
                }
                entries_.at(next) = NamedValue<V>{name, group.value};
                slots_[free_slot(name)] = static_cast<std::uint16_t>(next + 1);
                ++next;
            }
        }
        if (next != N) {
            name_count_wrong();
        }
    }

    // The value of a name as written in the table, or none.
    constexpr const V* find(std::string_view name) const {
        for (std::size_t slot = first_slot(name);; slot = (slot + 1) % kSlots) {
            const std::uint16_t index = slots_[slot];
            if (index == 0) {
                return nullptr;
            }
            const NamedValue<V>& entry = entries_[index - 1];
            if (same_name(entry.name, name)) {
                return &entry.value;
            }
        }
    }

    constexpr bool contains(std::string_view name) const { return find(name) != nullptr; }
    constexpr std::size_t size() const { return N; }

  private:
    static constexpr std::size_t slots_for(std::size_t n) {
        std::size_t slots = 1;
        while (slots < 2 * n) {
            slots *= 2;
        }
        return slots;
    }
    static constexpr std::size_t kSlots = slots_for(N);

    static constexpr std::size_t first_slot(std::string_view name) {
        return static_cast<std::size_t>(hash_name(name) >> 32) % kSlots;
    }

    constexpr std::size_t free_slot(std::string_view name) const {
        std::size_t slot = first_slot(name);
        while (slots_[slot] != 0) {
            slot = (slot + 1) % kSlots;
        }
        return slot;
    }

    std::array<NamedValue<V>, N> entries_;
    std::array<std::uint16_t, kSlots> slots_;  // index + 1 into entries_; 0 is free
};

}  // namespace kerfa_parser_kerfa::names
