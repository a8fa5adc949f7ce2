#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kerfa_render_core_static::components {

// How a template appends a value (an element's first attribute as text, or a span's content)
// where the template puts it. Fixed texts of a template are always written as they are; only
// values go through a policy. To add one: a value here and its case in append_value (the
// switch names every policy, so a missing case does not build).
enum class ValuePolicy : std::uint8_t {
    // Unchanged.
    AsIs,
    // Between an HTML attribute's double quotes: "&", '"', "<" and ">" as entities.
    HtmlAttribute,
    // A CSS declaration value inside an HTML style attribute: left out when it could end the
    // declaration (see shared::utils::is_plain_css_value), else as HtmlAttribute.
    CssDeclaration,
    // A link target: space " # % & + , / : ; < = > ? @ [ \ ] ^ ` { | } as "%XX", the rest
    // unchanged (shared::utils::escape_and_append_url).
    PercentEncoded,
    // A query parameter: every space and line feed becomes "+", every other byte stays.
    UrlParameter,
};

// Appends the value as the policy says.
void append_value(std::string& out, std::string_view value, ValuePolicy policy);

// The policy's name, for debug texts.
std::string_view policy_name(ValuePolicy policy);

}  // namespace kerfa_render_core_static::components
