#include "markdown_render/escape.hpp"

#include "shared/utils/utf8.hpp"
#include "shared/utils/white_space.hpp"

namespace kerfa_render_markdown::markdown_render::escape {

namespace {

std::string_view escaped_set(Escaping escaping) {
    switch (escaping) {
        case Escaping::None:
            return {};
        case Escaping::Markdown:
            return "*[\\]_`<";
        case Escaping::Pipe:
            return "|";
        case Escaping::MarkdownAndPipe:
            return "*[\\]_`<|";
    }
    return {};
}

bool has_white_space(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto decoded = shared::utils::decode_utf8(text, i);
        if (decoded.valid && shared::utils::is_white_space(decoded.code_point)) {
            return true;
        }
        i += decoded.length;
    }
    return false;
}

bool is_ascii_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A reader takes "<" for the start of raw HTML or an autolink only before a letter, "/", "!" or
// "?". The text's end counts too: the next item may begin with one.
bool opens_markup(std::string_view text, std::size_t at) {
    if (at + 1 == text.size()) {
        return true;
    }
    const char next = text[at + 1];
    return is_ascii_letter(next) || next == '/' || next == '!' || next == '?';
}

}  // namespace

void append_escaped(std::string& out, std::string_view text, Escaping escaping) {
    const std::string_view set = escaped_set(escaping);
    if (set.empty()) {
        out += text;
        return;
    }
    std::size_t from = 0;
    for (std::size_t at = text.find_first_of(set); at != std::string_view::npos;
         at = text.find_first_of(set, at + 1)) {
        if (text[at] == '<' && !opens_markup(text, at)) {
            continue;
        }
        out.append(text, from, at - from);
        out += '\\';
        from = at;
    }
    out.append(text, from);
}

std::string escape(std::string_view text) {
    std::string out;
    append_escaped(out, text, Escaping::Markdown);
    return out;
}

std::string format_url(std::string_view url) {
    if (!has_white_space(url)) {
        return std::string(url);
    }
    std::string out = "<";
    out += url;
    out += '>';
    return out;
}

}  // namespace kerfa_render_markdown::markdown_render::escape
