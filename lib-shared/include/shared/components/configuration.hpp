#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "shared/types/namevalue.hpp"
#include "shared/utils/string_hash.hpp"

namespace shared::components {

using ConfigurationEntry = types::NameValue<std::string>;

// Name-to-value map of a configuration text. Iteration runs in the order of the line that last
// set each name, so a consumer that folds names together (lower-casing them into metadata) still
// lets the later line win, and nothing depends on hash order.
class ConfigurationMap {
  public:
    class const_iterator {
      public:
        using value_type = ConfigurationEntry;
        using difference_type = std::ptrdiff_t;
        using reference = const ConfigurationEntry&;
        using pointer = const ConfigurationEntry*;

        const_iterator() = default;
        reference operator*() const { return **slot_; }
        pointer operator->() const { return &**slot_; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return slot_ == other.slot_; }

      private:
        friend class ConfigurationMap;
        using Slot = std::vector<std::optional<ConfigurationEntry>>::const_iterator;
        const_iterator(Slot slot, Slot end) : slot_(slot), end_(end) { skip_empty(); }
        void skip_empty();
        Slot slot_{};
        Slot end_{};
    };

    // Sets the name's value; the name moves to the end of the iteration order.
    void insert_or_assign(std::string name, std::string value);

    // The value of the name, or nullptr.
    const std::string* find(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name) != nullptr; }

    std::size_t size() const { return index_.size(); }
    bool empty() const { return index_.empty(); }

    const_iterator begin() const { return {slots_.begin(), slots_.end()}; }
    const_iterator end() const { return {slots_.end(), slots_.end()}; }

  private:
    std::vector<std::optional<ConfigurationEntry>> slots_;
    std::unordered_map<std::string, std::size_t, utils::TransparentStringHash, std::equal_to<>>
        index_;
};

// One pair per line "name: value", "name = value" or "name value", in line order; blank lines,
// lines starting with "#" and one-word lines give nothing.
std::vector<ConfigurationEntry> parse_configuration(std::string_view text);

// The pairs as a map; names lower-cased unless keep_case; a later line replaces an earlier one.
ConfigurationMap parse_configuration_to_map(std::string_view text, bool keep_case);

}  // namespace shared::components
