#include "names/color_forms.hpp"

#include <algorithm>

#include "names/name_table.hpp"

namespace kerfa_parser_kerfa::names {

using kerfa_content::data::attributes::NamedColor;

ColorForms::ColorForms() {
    entries_.reserve(3 * kerfa_content::data::attributes::NAMED_COLOR_COUNT);
    text_.reserve(16 * entries_.capacity());
    for (std::size_t value = 0; value < kerfa_content::data::attributes::NAMED_COLOR_COUNT;
         ++value) {
        const auto color = static_cast<NamedColor>(value);
        for (const std::string& form : kerfa_content::data::attributes::written_forms(color)) {
            entries_.push_back({text_.size(), form.size(), color});
            text_ += form;
        }
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::size_t slot = first_slot(name_of(entries_[i]));
        while (slots_[slot] != 0) {
            slot = (slot + 1) % kSlots;
        }
        slots_[slot] = static_cast<std::uint16_t>(i + 1);
    }
}

std::size_t ColorForms::first_slot(std::string_view form) const {
    return static_cast<std::size_t>(hash_name(form) >> 32) % kSlots;
}

std::string_view ColorForms::name_of(const Entry& entry) const {
    return std::string_view(text_).substr(entry.offset, entry.length);
}

std::optional<NamedColor> ColorForms::find(std::string_view form) const {
    for (std::size_t slot = first_slot(form);; slot = (slot + 1) % kSlots) {
        const std::uint16_t index = slots_[slot];
        if (index == 0) {
            return std::nullopt;
        }
        const Entry& entry = entries_[index - 1];
        if (same_name(name_of(entry), form)) {
            return entry.color;
        }
    }
}

std::size_t ColorForms::count_without_spaces() const {
    return static_cast<std::size_t>(std::count_if(
        entries_.begin(), entries_.end(),
        [this](const Entry& entry) { return name_of(entry).find(' ') == std::string_view::npos; }));
}

const ColorForms& color_forms() {
    static const ColorForms forms;
    return forms;
}

}  // namespace kerfa_parser_kerfa::names
