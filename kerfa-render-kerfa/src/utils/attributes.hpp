#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kerfa_content/data/attributes/color.hpp"
#include "kerfa_content/data/types/property.hpp"
#include "kerfa_render_kerfa/utils/text.hpp"

// Writing element values as Kerfa markup reads them back.
namespace kerfa_render_kerfa::utils {

// Each attribute after one blank: names, numbers and colours as they are, texts through
// append_str.
void append_attributes_full(const kerfa_content::data::types::Attributes& attributes,
                            std::string& out);

// As append_attributes_full, but the bullet styles asterisk and dash written "*" and "-".
void append_attributes_minimalist(const kerfa_content::data::types::Attributes& attributes,
                                  std::string& out);

// Which of the two forms above a component writes.
enum class AttributeForm : std::uint8_t { Full, Minimalist };
void append_attributes(const kerfa_content::data::types::Attributes& attributes, AttributeForm form,
                       std::string& out);

// The values of a colour span written as its tag ("<red>", "<#abc>"): the minimalist form
// without the blank before the first; nothing for an absent or empty list.
void append_color_attributes(
    const std::optional<kerfa_content::data::types::Attributes>& attributes, std::string& out);

// Whether a colour span reads back from its tag: the first value is a named colour, or a colour
// value of three or six hexadecimal digits.
bool has_color_tag(const std::optional<kerfa_content::data::types::Attributes>& attributes);

// A text value: nothing for "", else escaped and, when it holds White_Space, a "<" or starts
// with "'", between double quotes.
void append_str(std::string_view text, std::string& out);

// As append_str, but an empty text is written as "" so that it stays a value.
void append_str_or_empty(std::string_view text, std::string& out);

// A colour value as "#" and its digits, a named colour by its Kerfa name.
void append_color(const kerfa_content::data::attributes::Color& color, std::string& out);

void append_integer(std::int64_t value, std::string& out);

// append_escaped_special_characters into a new text.
std::string escape_special_characters(std::string_view text);

// The Kerfa spelling of a named colour, e.g. "dark-slate-gray".
std::string_view kerfa_color_name(kerfa_content::data::attributes::NamedColor color);

}  // namespace kerfa_render_kerfa::utils
