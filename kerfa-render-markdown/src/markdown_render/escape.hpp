#pragma once

#include <string>
#include <string_view>

namespace kerfa_render_markdown::markdown_render::escape {

// Which characters of a text get a backslash before them.
enum class Escaping : unsigned char {
    None,
    // "*", "[", "\", "]", "_", the backquote, and "<" where a reader would take it for markup.
    Markdown,
    // Only "|": text inside a pipe-table cell that is otherwise written as it stands.
    Pipe,
    MarkdownAndPipe,
};

// Appends the text with a backslash before each character the escaping names.
void append_escaped(std::string& out, std::string_view text, Escaping escaping);

// The text with Markdown's escaping.
std::string escape(std::string_view text);

// A destination as written inside "(...)": between "<" and ">" when it holds any white space
// (Unicode White_Space), else unchanged. Nothing is percent-encoded.
std::string format_url(std::string_view url);

}  // namespace kerfa_render_markdown::markdown_render::escape
