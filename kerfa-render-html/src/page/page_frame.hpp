#pragma once

#include <string_view>

namespace kerfa_render_html::page {

// The fixed pieces around a page's items, in the order they are written: head, style opening,
// the style sheet, style closing with the body opening, the items, page end. Note the blank
// before ">" in the first meta tag and its absence in the second, and no line feed after the
// last piece.
inline constexpr std::string_view kPageHead =
    "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"
    "\t<meta http-equiv=\"Content-type\" content=\"text/html;charset=UTF-8\" >\n"
    "\t<meta name=\"viewport\" content=\"width=device-width, initial-scale=1.0\">";
inline constexpr std::string_view kStyleOpen = "\n\t<style type=\"text/css\">\n";
inline constexpr std::string_view kStyleClose = "\n\t</style>\n</head>\n<body>\n";
inline constexpr std::string_view kPageEnd = "\n\t</body>\n</html>";

// The embedded style sheet, from "@charset" to its source-map line; it ends with a line feed.
std::string_view style_sheet();

}  // namespace kerfa_render_html::page
