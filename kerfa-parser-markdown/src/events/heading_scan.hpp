#pragma once

#include <cstddef>
#include <string_view>

namespace kerfa_parser_markdown::events {

struct HeadingLine {
    std::size_t start;  // the start of the heading's first line
    std::size_t end;    // the end of the line where the scan stopped: the new high-water mark
    bool found;         // false: the text ended first, and start is the line of hw
};

// Finds the line of a heading that gave no text from the input (`#`, an image alone), reading
// forward from the high-water mark hw (the end of everything the engine has given so far), so
// that the scans of all headings together read the text once: an ATX heading line, or the line
// before a setext underline when that line had content.
HeadingLine scan_heading_line(std::string_view text, std::size_t hw);

}  // namespace kerfa_parser_markdown::events
