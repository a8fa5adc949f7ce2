#include "attributes/attribute_lookup.hpp"

#include <array>
#include <cstddef>
#include <string>

#include "shared/utils/lowercase.hpp"

namespace kerfa_parser_kerfa::attributes {

using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::Color;

namespace {

// The lower-cased form of a word; short ASCII words, nearly all of them, stay off the heap.
class LoweredText {
  public:
    explicit LoweredText(std::string_view text) {
        if (text.size() <= kInline && is_ascii(text)) {
            for (std::size_t i = 0; i < text.size(); ++i) {
                const char c = text[i];
                inline_[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            }
            view_ = std::string_view(inline_.data(), text.size());
        } else {
            heap_ = shared::utils::to_lowercase(text);
            view_ = heap_;
        }
    }

    LoweredText(const LoweredText&) = delete;
    LoweredText& operator=(const LoweredText&) = delete;

    std::string_view view() const { return view_; }

  private:
    static constexpr std::size_t kInline = 32;

    static bool is_ascii(std::string_view text) {
        for (char c : text) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                return false;
            }
        }
        return true;
    }

    std::array<char, kInline> inline_{};
    std::string heap_;
    std::string_view view_;
};

template <class Table>
auto find_lowered(const Table& table, std::string_view text) {
    LoweredText lowered(text);
    return table.find(lowered.view());
}

template <std::size_t N>
Attribute boolean_in(const names::NameTable<bool, N>& map, std::string_view text) {
    if (const bool* value = find_lowered(map, text)) {
        return Attribute::Boolean{*value};
    }
    return Attribute::invalid(std::string(text));
}

template <std::size_t N>
Attribute style_in(const names::NameTable<std::string_view, N>& map, std::string_view text) {
    if (const std::string_view* style = find_lowered(map, text)) {
        return Attribute::str(*style);
    }
    return Attribute::invalid(std::string(text));
}

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

Attribute AttributeLookup::boolean(std::string_view text) const {
    return boolean_in(tables_->booleans, text);
}

Attribute AttributeLookup::checked(std::string_view text) const {
    return boolean_in(tables_->checked, text);
}

Attribute AttributeLookup::heading_style(std::string_view text) const {
    return style_in(tables_->heading_styles, text);
}

Attribute AttributeLookup::table_style(std::string_view text) const {
    return style_in(tables_->table_styles, text);
}

Attribute AttributeLookup::bullet(std::string_view text) const {
    if (text.size() == 1) {
        if (const auto* style = tables_->bullets.find(text)) {
            return Attribute::Bullet{*style};
        }
    }
    if (const auto* style = find_lowered(tables_->bullets, text)) {
        return Attribute::Bullet{*style};
    }
    return Attribute::invalid(std::string(text));
}

Attribute AttributeLookup::color(std::string_view text) const {
    if (is_color_value(text)) {
        return Attribute::color(std::string(text.substr(1)));
    }
    if (const auto named = find_lowered(tables_->colors(), text)) {
        return Color{*named};
    }
    return Attribute::invalid(std::string(text));
}

bool is_color_value(std::string_view text) {
    if (text.empty() || text.front() != '#') {
        return false;
    }
    const std::string_view digits = text.substr(1);
    const std::size_t n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8) {
        return false;
    }
    for (char c : digits) {
        if (!is_hex_digit(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace kerfa_parser_kerfa::attributes
