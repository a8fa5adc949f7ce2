#pragma once

#include <string>
#include <string_view>

#include "kerfa_content/data/types/property.hpp"

// The Markdown, or inline HTML, that opens and closes each kind of span.
namespace kerfa_render_markdown::markdown_render::property_markup {

// How the text inside a span is written.
enum class Verbatim : unsigned char {
    None,      // escaped as usual
    CodeSpan,  // as it stands, fenced by backquotes once its length is known
    Autolink,  // as it stands: the span's text is the address
};

struct Tags {
    std::string start;
    std::string end;
    Verbatim verbatim = Verbatim::None;
};

// The start and end markup of a span; no markup for kinds without any (and unknown ids).
Tags tags(const kerfa_content::data::types::PropertyElement& element);

// The same text at both ends: "**", "_", "~~".
Tags marker(std::string_view text);

// "<span style="STYLE">" and "</span>".
Tags style_span(std::string_view style);

// The colour of a colour span: "inherit" without an attribute, "#" and the digits for a colour
// value, else the first attribute's text (a named colour's CSS name).
std::string attribute_color(const kerfa_content::data::types::PropertyElement& element);

// The end of a link: "](", the destination, ")".
std::string link_close(std::string_view destination);

// A link to the scheme and the first attribute's text; without an attribute an autolink when
// `autolink_without` is set, else no markup.
Tags scheme_link_tags(const kerfa_content::data::types::PropertyElement& element,
                      std::string_view scheme, bool autolink_without);

// "<" and ">" around a span whose text is the address.
Tags autolink();

}  // namespace kerfa_render_markdown::markdown_render::property_markup
