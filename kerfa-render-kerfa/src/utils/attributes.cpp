#include "utils/attributes.hpp"

#include <algorithm>
#include <array>

#include <fmt/format.h>

#include "kerfa_content/data/attributes/attribute.hpp"
#include "kerfa_render_kerfa/utils/text.hpp"
#include "shared/utils/fault.hpp"
#include "shared/utils/overloaded.hpp"
#include "shared/utils/white_space.hpp"

namespace kerfa_render_kerfa::utils {

namespace kattr = kerfa_content::data::attributes;

namespace {

using shared::utils::Overloaded;

// In NamedColor order.
constexpr std::array<std::string_view, kattr::NAMED_COLOR_COUNT> KERFA_COLOR_NAMES{
    "mid-yellow-green",
    "mid-green-cyan",
    "mid-cyan-blue",
    "mid-magenta-red",
    "alice-blue",
    "antique-white",
    "aqua",
    "aquamarine",
    "azure",
    "beige",
    "bisque",
    "black",
    "blanched-almond",
    "blue-violet",
    "blue",
    "brown",
    "burlywood",
    "cadet-blue",
    "chartreuse",
    "chocolate",
    "coral",
    "cornflower-blue",
    "cornsilk",
    "crimson",
    "cyan",
    "dark-blue",
    "dark-cyan",
    "dark-goldenrod",
    "dark-gray",
    "dark-green",
    "dark-khaki",
    "dark-magenta",
    "dark-olive-green",
    "dark-orange",
    "dark-orchid",
    "dark-red",
    "dark-salmon",
    "dark-sea-green",
    "dark-slate-blue",
    "dark-slate-gray",
    "dark-turquoise",
    "dark-violet",
    "deep-pink",
    "deep-sky-blue",
    "dim-gray",
    "dodger-blue",
    "firebrick",
    "floral-white",
    "forest-green",
    "fuchsia",
    "gainsboro",
    "ghost-white",
    "gold",
    "goldenrod",
    "gray",
    "green-yellow",
    "green",
    "honeydew",
    "hot-pink",
    "indian-red",
    "indigo",
    "ivory",
    "khaki",
    "lavender-blush",
    "lavender",
    "lawn-green",
    "lemon-chiffon",
    "light-blue",
    "light-coral",
    "light-cyan",
    "light-goldenrod-yellow",
    "light-gray",
    "light-green",
    "light-pink",
    "light-salmon",
    "light-sea-green",
    "light-sky-blue",
    "light-slate-gray",
    "light-steel-blue",
    "light-yellow",
    "lime-green",
    "lime",
    "linen",
    "magenta",
    "maroon",
    "medium-aquamarine",
    "medium-blue",
    "medium-orchid",
    "medium-purple",
    "medium-sea-green",
    "medium-slate-blue",
    "medium-spring-green",
    "medium-turquoise",
    "medium-violet-red",
    "midnight-blue",
    "mint-cream",
    "misty-rose",
    "moccasin",
    "navajo-white",
    "navy",
    "old-lace",
    "olive-drab",
    "olive",
    "orange-red",
    "orange",
    "orchid",
    "pale-goldenrod",
    "pale-green",
    "pale-turquoise",
    "pale-violet-red",
    "papaya-whip",
    "peach-puff",
    "peru",
    "pink",
    "plum",
    "powder-blue",
    "purple",
    "rebeccapurple",
    "red",
    "rosy-brown",
    "royal-blue",
    "saddle-brown",
    "salmon",
    "sandy-brown",
    "sea-green",
    "seashell",
    "sienna",
    "silver",
    "sky-blue",
    "slate-blue",
    "slate-gray",
    "snow",
    "spring-green",
    "steel-blue",
    "tan",
    "teal",
    "thistle",
    "tomato",
    "turquoise",
    "violet",
    "wheat",
    "white-smoke",
    "white",
    "yellow-green",
    "yellow",
    "transparent",
};

// Quotes are needed where a bare word would end early or read differently: white space and "<"
// end a bare word, and a leading "'" would open a quoted value.
bool needs_quotes(std::string_view text) {
    return text.front() == '\'' || text.find('<') != std::string_view::npos ||
           shared::utils::contains_white_space(text);
}

// Bullet style names of the minimalist form: two are shortened.
std::string_view bullet_name(kattr::BulletStyle style, AttributeForm form) {
    if (form == AttributeForm::Minimalist) {
        if (style == kattr::BulletStyle::Asterisk) {
            return "*";
        }
        if (style == kattr::BulletStyle::Dash) {
            return "-";
        }
    }
    return kattr::name(style);
}

void append_attribute(const kattr::Attribute& attribute, AttributeForm form, std::string& out) {
    std::visit(
        Overloaded{
            [&](const kattr::Attribute::Boolean& value) { out += value.value ? "true" : "false"; },
            [&](const kattr::Attribute::Bullet& value) { out += bullet_name(value.style, form); },
            [&](const kattr::Color& color) { append_color(color, out); },
            // Nothing after the blank would read back as a link to the text after the element.
            [&](const kattr::DocumentLink& link) { append_str_or_empty(link.to_string(), out); },
            [&](const kattr::Attribute::Integer& value) { append_integer(value.value, out); },
            [&](const kattr::Attribute::String& value) { append_str_or_empty(value.text, out); },
            [&](const kattr::Attribute::Invalid& value) { append_str(value.text, out); },
        },
        static_cast<const kattr::Attribute::variant&>(attribute));
}

bool is_hex_digits(std::string_view text) {
    return std::ranges::all_of(text, [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

}  // namespace

std::string_view kerfa_color_name(kattr::NamedColor color) {
    const auto index = static_cast<std::size_t>(color);
    if (index >= KERFA_COLOR_NAMES.size()) {
        shared::utils::internal_fault(fmt::format("Named colour {} is out of range.", index));
    }
    return KERFA_COLOR_NAMES[index];
}

void append_escaped_special_characters(std::string_view text, std::string& out) {
    std::size_t done = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool escape =
            c == '\\' || c == '"' || c == '>' || (c == '<' && i > 0 && text[i - 1] == '<');
        if (escape) {
            out.append(text.substr(done, i - done));
            out += '\\';
            out += c;
            done = i + 1;
        }
    }
    out.append(text.substr(done));
}

std::string escape_special_characters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    append_escaped_special_characters(text, out);
    return out;
}

void append_str(std::string_view text, std::string& out) {
    if (text.empty()) {
        return;
    }
    if (needs_quotes(text)) {
        out += '"';
        append_escaped_special_characters(text, out);
        out += '"';
    } else {
        append_escaped_special_characters(text, out);
    }
}

void append_str_or_empty(std::string_view text, std::string& out) {
    if (text.empty()) {
        out += "\"\"";
        return;
    }
    append_str(text, out);
}

void append_color(const kattr::Color& color, std::string& out) {
    if (const kattr::NamedColor* named = color.as_name()) {
        out += kerfa_color_name(*named);
    } else {
        out += '#';
        out += color.as_value()->text;
    }
}

void append_integer(std::int64_t value, std::string& out) {
    fmt::format_to(std::back_inserter(out), "{}", value);
}

void append_attributes(const kerfa_content::data::types::Attributes& attributes, AttributeForm form,
                       std::string& out) {
    for (const kattr::Attribute& attribute : attributes) {
        out += ' ';
        append_attribute(attribute, form, out);
    }
}

void append_attributes_full(const kerfa_content::data::types::Attributes& attributes,
                            std::string& out) {
    append_attributes(attributes, AttributeForm::Full, out);
}

void append_attributes_minimalist(const kerfa_content::data::types::Attributes& attributes,
                                  std::string& out) {
    append_attributes(attributes, AttributeForm::Minimalist, out);
}

void append_color_attributes(
    const std::optional<kerfa_content::data::types::Attributes>& attributes, std::string& out) {
    if (!attributes) {
        return;
    }
    for (std::size_t i = 0; i < attributes->size(); ++i) {
        if (i > 0) {
            out += ' ';
        }
        append_attribute((*attributes)[i], AttributeForm::Minimalist, out);
    }
}

bool has_color_tag(const std::optional<kerfa_content::data::types::Attributes>& attributes) {
    if (!attributes || attributes->empty()) {
        return false;
    }
    const auto* color = std::get_if<kattr::Color>(&attributes->front());
    if (color == nullptr) {
        return false;
    }
    if (color->as_name() != nullptr) {
        return true;
    }
    const std::string_view digits = color->as_value()->text;
    return (digits.size() == 3 || digits.size() == 6) && is_hex_digits(digits);
}

}  // namespace kerfa_render_kerfa::utils
