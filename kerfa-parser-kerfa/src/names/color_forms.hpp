#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kerfa_content/data/attributes/named_color.hpp"

namespace kerfa_parser_kerfa::names {

// Every written form of every named colour (lower case), hashed as the constant name tables are.
// The forms come from the model's colour names, so this one table is built at run time: once,
// and only by a process that looks a colour name up.
class ColorForms {
  public:
    std::optional<kerfa_content::data::attributes::NamedColor> find(std::string_view form) const;
    std::size_t size() const { return entries_.size(); }
    // How many forms hold no space, as element names do.
    std::size_t count_without_spaces() const;

  private:
    struct Entry {
        std::size_t offset;
        std::size_t length;
        kerfa_content::data::attributes::NamedColor color;
    };

    ColorForms();
    std::string_view name_of(const Entry& entry) const;

    std::size_t first_slot(std::string_view form) const;

    std::string text_;  // every form, one after another
    std::vector<Entry> entries_;
    // At most a quarter full: a miss, the common case for element names, ends at once.
    static constexpr std::size_t kSlots = 2048;
    std::array<std::uint16_t, kSlots> slots_{};  // index + 1 into entries_; 0 is free

    friend const ColorForms& color_forms();
};

const ColorForms& color_forms();

}  // namespace kerfa_parser_kerfa::names
