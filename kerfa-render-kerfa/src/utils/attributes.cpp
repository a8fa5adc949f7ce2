#include "utils/attributes.hpp"

#include <array>

#include <fmt/format.h>

#include "kerfa_content/data/attributes/attribute.hpp"
#include "shared/utils/fault.hpp"
#include "shared/utils/overloaded.hpp"
#include "shared/utils/utf8.hpp"
#include "shared/utils/white_space.hpp"
#include "kerfa_render_kerfa/utils/text.hpp"

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
    if (text.front() == '\'') {
        return true;
    }
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c == '<' || shared::utils::is_white_space(c)) {
                return true;
            }
            ++i;
            continue;
        }
        const shared::utils::DecodedChar decoded = shared::utils::decode_utf8(text, i);
        if (decoded.valid && shared::utils::is_white_space(decoded.code_point)) {
            return true;
        }
        i += decoded.length;
    }
    return false;
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

void append_attributes_full(const kerfa_content::data::types::Attributes& attributes,
                            std::string& out) {
    for (const kattr::Attribute& attribute : attributes) {
        out += ' ';
        std::visit(
            Overloaded{
                [&](const kattr::Attribute::Boolean& value) {
                    out += value.value ? "true" : "false";
                },
                [&](const kattr::Attribute::Bullet& value) { out += kattr::name(value.style); },
                [&](const kattr::Color& color) { append_color(color, out); },
                [&](const kattr::DocumentLink& link) { append_str(link.to_string(), out); },
                [&](const kattr::Attribute::Integer& value) { append_integer(value.value, out); },
                [&](const kattr::Attribute::String& value) { append_str(value.text, out); },
                [&](const kattr::Attribute::Invalid& value) { append_str(value.text, out); },
            },
            static_cast<const kattr::Attribute::variant&>(attribute));
    }
}

}  // namespace kerfa_render_kerfa::utils
