#include "kerfa_content/types/source.hpp"

#include <cstdio>

#include "shared/utils/files.hpp"
#include "shared/utils/urls.hpp"
#include "shared/utils/utf8.hpp"

namespace kerfa_content::types {

namespace {

void append_hex_escape(std::string& out, char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "\\u{%x}", static_cast<unsigned>(c));
    out += buffer;
}

// Characters that print nothing visible and so are shown by their number.
bool is_invisible(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

// A string literal with backslash escapes: quote, backslash and invisible characters; bytes that
// are not UTF-8 as \xNN.
void append_quoted(std::string& out, std::string_view text) {
    out += '"';
    std::size_t i = 0;
    while (i < text.size()) {
        const auto decoded = shared::utils::decode_utf8(text, i);
        if (!decoded.valid) {
            for (std::size_t k = 0; k < decoded.length; ++k) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\x%02X",
                              static_cast<unsigned>(static_cast<unsigned char>(text[i + k])));
                out += buffer;
            }
            i += decoded.length;
            continue;
        }
        const char32_t c = decoded.code_point;
        switch (c) {
            case U'\0':
                out += "\\0";
                break;
            case U'\t':
                out += "\\t";
                break;
            case U'\n':
                out += "\\n";
                break;
            case U'\r':
                out += "\\r";
                break;
            case U'"':
                out += "\\\"";
                break;
            case U'\\':
                out += "\\\\";
                break;
            default:
                if (is_invisible(c)) {
                    append_hex_escape(out, c);
                } else {
                    out.append(text.substr(i, decoded.length));
                }
        }
        i += decoded.length;
    }
    out += '"';
}

}  // namespace

std::optional<std::string> Source::path_string_option() const {
    if (const auto* file = std::get_if<File>(this)) {
        return shared::utils::utf8_lossy(file->path);
    }
    if (const auto* http = std::get_if<Http>(this)) {
        return http->url.str();
    }
    return std::nullopt;
}

std::optional<std::string> Source::name() const {
    if (const auto* file = std::get_if<File>(this)) {
        return shared::utils::file_stem(file->path);
    }
    if (const auto* http = std::get_if<Http>(this)) {
        return shared::utils::url_child_stem(http->url);
    }
    return std::nullopt;
}

std::optional<std::string> Source::extension() const {
    if (const auto* file = std::get_if<File>(this)) {
        return shared::utils::file_extension(file->path);
    }
    if (const auto* http = std::get_if<Http>(this)) {
        return shared::utils::url_extension(http->url);
    }
    return std::nullopt;
}

std::string Source::debug_text() const {
    std::string out;
    if (const auto* file = std::get_if<File>(this)) {
        out += "File { path: ";
        append_quoted(out, file->path);
        out += " }";
    } else if (const auto* http = std::get_if<Http>(this)) {
        out += "Http { url: ";
        append_quoted(out, http->url);
        out += " }";
    } else {
        out += "None";
    }
    return out;
}

}  // namespace kerfa_content::types
