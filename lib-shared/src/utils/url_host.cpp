#include "url_host.hpp"

#include <uriparser/Uri.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "shared/utils/lowercase.hpp"

namespace shared::utils::url_host {

namespace {

// Browsers refuse these in a domain; the URL library alone would take some of them.
bool is_forbidden_in_domain(unsigned char byte) {
    switch (byte) {
        case '#':
        case '%':
        case '/':
        case ':':
        case '<':
        case '>':
        case '?':
        case '@':
        case '[':
        case '\\':
        case ']':
        case '^':
        case '|':
            return true;
        default:
            return byte <= 0x20 || byte == 0x7F;
    }
}

bool is_valid_port(std::string_view port) {
    std::uint32_t value = 0;
    for (const char c : port) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
        if (value > 65535) {
            return false;
        }
    }
    return true;
}

// One part of an IPv4 address: decimal, octal after "0", or hexadecimal after "0x".
std::optional<std::uint64_t> ipv4_number(std::string_view part) {
    if (part.empty()) {
        return std::nullopt;
    }
    unsigned base = 10;
    if (part.size() >= 2 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X')) {
        base = 16;
        part.remove_prefix(2);
    } else if (part.size() >= 2 && part[0] == '0') {
        base = 8;
        part.remove_prefix(1);
    }
    std::uint64_t value = 0;
    for (const char c : part) {
        const char lower = static_cast<char>(c | 0x20);
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (base == 16 && lower >= 'a' && lower <= 'f') {
            digit = static_cast<unsigned>(lower - 'a' + 10);
        } else {
            return std::nullopt;
        }
        if (digit >= base) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    return value;
}

std::vector<std::string_view> ipv4_parts(std::string_view host) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = host.find('.', start);
        parts.push_back(host.substr(start, dot - start));
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    if (parts.size() > 1 && parts.back().empty()) {
        parts.pop_back();
    }
    return parts;
}

// A host whose last label is a number is an IPv4 address or nothing.
bool ends_in_number(std::string_view host) {
    const std::vector<std::string_view> parts = ipv4_parts(host);
    const std::string_view last = parts.back();
    if (last.empty()) {
        return false;
    }
    if (last.find_first_not_of("0123456789") == std::string_view::npos) {
        return true;
    }
    return last.size() >= 2 && last[0] == '0' && (last[1] == 'x' || last[1] == 'X') &&
           last.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string_view::npos;
}

std::optional<std::string> ipv4_address(std::string_view host) {
    const std::vector<std::string_view> parts = ipv4_parts(host);
    if (parts.size() > 4) {
        return std::nullopt;
    }
    std::uint64_t address = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::optional<std::uint64_t> number = ipv4_number(parts[i]);
        if (!number) {
            return std::nullopt;
        }
        if (i + 1 < parts.size()) {
            if (*number > 255) {
                return std::nullopt;
            }
            address |= *number << (8 * (3 - i));
        } else {
            if (*number >= (std::uint64_t{1} << (8 * (5 - parts.size())))) {
                return std::nullopt;
            }
            address |= *number;
        }
    }
    std::string dotted;
    for (int shift = 24; shift >= 0; shift -= 8) {
        dotted += std::to_string((address >> shift) & 0xFF);
        if (shift > 0) {
            dotted.push_back('.');
        }
    }
    return dotted;
}

// The URL library reads ASCII only, so other bytes reach it as escapes.
bool library_accepts(std::string_view authority) {
    std::string address = "http://";
    for (const char c : authority) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x7E) {
            append_percent(address, byte);
        } else {
            address.push_back(c);
        }
    }
    address.push_back('/');
    UriUriA uri;
    const char* error = nullptr;
    const bool parsed = uriParseSingleUriA(&uri, address.c_str(), &error) == URI_SUCCESS;
    if (parsed) {
        uriFreeUriMembersA(&uri);
    }
    return parsed;
}

bool is_dot(std::string_view segment) {
    return segment == "." || segment == "%2e" || segment == "%2E";
}

bool is_double_dot(std::string_view segment) {
    if (segment.size() < 2 || segment.size() > 6) {
        return false;
    }
    const std::string lower = to_lowercase(segment);
    return lower == ".." || lower == ".%2e" || lower == "%2e." || lower == "%2e%2e";
}

}  // namespace

void append_percent(std::string& out, unsigned char byte) {
    constexpr char HEX_DIGITS[] = "0123456789ABCDEF";
    out.push_back('%');
    out.push_back(HEX_DIGITS[byte >> 4]);
    out.push_back(HEX_DIGITS[byte & 0x0F]);
}

std::optional<std::string> parse_authority(std::string_view authority) {
    const std::size_t at = authority.rfind('@');
    std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
    std::string_view port;
    if (host.starts_with('[')) {
        const std::size_t close = host.find(']');
        if (close == std::string_view::npos ||
            (close + 1 < host.size() && host[close + 1] != ':')) {
            return std::nullopt;
        }
        port = host.substr(std::min(close + 2, host.size()));
        host = host.substr(0, close + 1);
    } else {
        const std::size_t colon = host.find(':');
        if (colon != std::string_view::npos) {
            port = host.substr(colon + 1);
            host = host.substr(0, colon);
        }
        for (const char c : host) {
            if (is_forbidden_in_domain(static_cast<unsigned char>(c))) {
                return std::nullopt;
            }
        }
    }
    if (host.empty() || !is_valid_port(port) || !library_accepts(authority)) {
        return std::nullopt;
    }
    if (!host.starts_with('[') && ends_in_number(host)) {
        return ipv4_address(host);
    }
    return std::string(host);
}

std::string resolve_dot_segments(std::string_view path) {
    if (path.starts_with('/')) {
        path.remove_prefix(1);
    }
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        const bool last = slash == std::string_view::npos;
        const std::string_view segment = path.substr(start, slash - start);
        if (is_double_dot(segment)) {
            if (!segments.empty()) {
                segments.pop_back();
            }
            if (last) {
                segments.emplace_back();
            }
        } else if (is_dot(segment)) {
            if (last) {
                segments.emplace_back();
            }
        } else {
            segments.push_back(segment);
        }
        if (last) {
            break;
        }
        start = slash + 1;
    }
    std::string resolved;
    resolved.reserve(path.size() + 1);
    for (const std::string_view segment : segments) {
        resolved.push_back('/');
        resolved.append(segment);
    }
    return resolved;
}

}  // namespace shared::utils::url_host
