#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kerfa_parser_markdown::events {

// The engine gives a code line's indentation as `columns` spaces. The same columns as written
// in the source, just before the line's first piece at `piece`: a tab that lies wholly inside
// them comes back as a tab, the part of one cut by the container's indentation as spaces. The
// spaces unchanged when the source there holds anything else.
std::string indentation_as_written(std::string_view text, std::size_t piece, std::size_t columns);

}  // namespace kerfa_parser_markdown::events
