#pragma once

#include <string_view>

namespace kerfa_render_html::html_render::utils {

// Whether a link target would run code when followed: its scheme is "javascript:",
// "vbscript:" or "data:" as a browser reads it (leading characters up to U+0020 skipped, tab,
// line feed and carriage return ignored anywhere, ASCII letters in any case).
bool is_script_link(std::string_view target);

}  // namespace kerfa_render_html::html_render::utils
