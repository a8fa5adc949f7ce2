#pragma once

#include <string>
#include <string_view>

namespace kerfa_render_core_static::components {

// The text in double quotes with quote, backslash and control characters escaped, as debug
// texts show strings.
std::string debug_quote(std::string_view text);

}  // namespace kerfa_render_core_static::components
