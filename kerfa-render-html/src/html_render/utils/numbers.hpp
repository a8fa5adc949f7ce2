#pragma once

#include <cstdint>
#include <string>

namespace kerfa_render_html::html_render::utils {

// Decimal, with "-" before a negative number (the smallest 64-bit value included).
void append_integer(std::string& out, std::int64_t value);
void append_unsigned(std::string& out, std::uint64_t value);

}  // namespace kerfa_render_html::html_render::utils
