#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace shared::utils::url_host {

// Appends the byte as "%" and two upper-case hexadecimal digits.
void append_percent(std::string& out, unsigned char byte);

// The host of an authority ("user@host:port") as web browsers read it, an IPv4 address in its
// dotted form; none when the authority is refused.
std::optional<std::string> parse_authority(std::string_view authority);

// The path with "." and ".." segments resolved, "%2e" counting as a dot; it starts with "/".
std::string resolve_dot_segments(std::string_view path);

}  // namespace shared::utils::url_host
