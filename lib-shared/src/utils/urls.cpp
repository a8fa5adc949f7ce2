#include "shared/utils/urls.hpp"

#include <algorithm>

#include "shared/utils/lowercase.hpp"
#include "shared/utils/utf8.hpp"
#include "shared/utils/white_space.hpp"
#include "url_host.hpp"

namespace shared::utils {

struct Url::Handle {
    std::string host;
    std::string path;  // percent-encoded as web browsers write it
};

Url::Url(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
Url::Url(Url&&) noexcept = default;
Url& Url::operator=(Url&&) noexcept = default;
Url::~Url() = default;

namespace {

using url_host::append_percent;

// What web-address parsers do before reading: leading and trailing controls and spaces go, tabs
// and line ends anywhere go, a backslash before the query stands for "/", and other controls
// inside are percent-encoded (a host still refuses them).
std::string prepare_address(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20) {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20) {
        text.remove_suffix(1);
    }
    std::string prepared;
    prepared.reserve(text.size());
    bool in_query = false;
    for (const char c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            continue;
        }
        if (c == '?' || c == '#') {
            in_query = true;
        }
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            append_percent(prepared, byte);
            continue;
        }
        prepared.push_back(c == '\\' && !in_query ? '/' : c);
    }
    return prepared;
}

// Percent-encodes what a path may not hold as written: controls, space, " # < > ? ` { } and
// every byte above "~". Escapes already there stay.
std::string encode_path(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
            case ' ':
            case '"':
            case '#':
            case '<':
            case '>':
            case '?':
            case '`':
            case '{':
            case '}':
                append_percent(out, byte);
                break;
            default:
                if (byte < 0x20 || byte > 0x7E) {
                    append_percent(out, byte);
                } else {
                    out.push_back(c);
                }
        }
    }
    return out;
}

bool has_web_scheme(std::string_view text) {
    const std::string lower = to_lowercase(trim(text));
    return lower.starts_with("http://") || lower.starts_with("https://");
}

std::optional<std::string> last_dot_split(std::string_view text, bool stem) {
    const std::optional<std::string> child = url_path_child(text);
    if (!child) {
        return std::nullopt;
    }
    const std::size_t dot = child->rfind('.');
    if (dot == std::string::npos) {
        return stem ? child : std::nullopt;
    }
    return stem ? child->substr(0, dot) : child->substr(dot + 1);
}

}  // namespace

std::string Url::host() const {
    std::string host = handle_->host;
    for (char& c : host) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return host;
}

const std::string& Url::path() const {
    return handle_->path;
}

std::optional<Url> to_url(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::string address = has_web_scheme(text) ? std::string(text) : "http://" + std::string(text);
    address = prepare_address(address);
    const std::size_t colon = address.find(':');
    const std::string scheme = to_lowercase(std::string_view(address).substr(0, colon));
    if (scheme != "http" && scheme != "https") {
        return std::nullopt;
    }
    // Web addresses take any number of slashes before the authority.
    const std::size_t authority_start = address.find_first_not_of('/', colon + 1);
    if (authority_start == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t authority_end =
        std::min(address.find_first_of("/?#", authority_start), address.size());
    const std::string_view rest = std::string_view(address).substr(authority_end);
    std::optional<std::string> host = url_host::parse_authority(
        std::string_view(address).substr(authority_start, authority_end - authority_start));
    if (!host) {
        return std::nullopt;
    }
    auto handle = std::make_unique<Url::Handle>();
    handle->host = std::move(*host);
    handle->path =
        encode_path(url_host::resolve_dot_segments(rest.substr(0, rest.find_first_of("?#"))));
    return Url(std::move(handle));
}

std::optional<std::string> url_path(std::string_view text) {
    const std::optional<Url> url = to_url(text);
    if (!url) {
        return std::nullopt;
    }
    const std::string path = url->path();
    const std::size_t start = path.find_first_not_of('/');
    if (start == std::string::npos) {
        return std::nullopt;
    }
    return path.substr(start);
}

std::optional<std::string> url_path_child(std::string_view text) {
    const std::optional<std::string> path = url_path(text);
    if (!path) {
        return std::nullopt;
    }
    std::string_view rest = *path;
    const bool directory = rest.ends_with('/');
    while (rest.ends_with('/')) {
        rest.remove_suffix(1);
    }
    if (rest.empty()) {
        return std::nullopt;
    }
    const std::size_t slash = rest.rfind('/');
    std::string child(slash == std::string_view::npos ? rest : rest.substr(slash + 1));
    if (directory) {
        child.push_back('/');
    }
    return child;
}

std::optional<std::string> url_child_stem(std::string_view text) {
    return last_dot_split(text, true);
}

std::optional<std::string> url_extension(std::string_view text) {
    return last_dot_split(text, false);
}

std::string add_separator(std::string_view text, bool add) {
    std::string out(text);
    if (add) {
        out.push_back('/');
    }
    return out;
}

namespace {

int hex_value(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string decode_url_or_orginal(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hex_value(text[i + 1]);
            const int low = hex_value(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        decoded.push_back(text[i]);
    }
    if (!is_valid_utf8(decoded)) {
        return std::string(text);
    }
    return decoded;
}

void escape_and_append_url(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case ' ':
            case '"':
            case '#':
            case '%':
            case '&':
            case '+':
            case ',':
            case '/':
            case ':':
            case ';':
            case '<':
            case '=':
            case '>':
            case '?':
            case '@':
            case '[':
            case '\\':
            case ']':
            case '^':
            case '`':
            case '{':
            case '|':
            case '}':
                append_percent(out, static_cast<unsigned char>(c));
                break;
            default:
                out.push_back(c);
        }
    }
}

}  // namespace shared::utils
