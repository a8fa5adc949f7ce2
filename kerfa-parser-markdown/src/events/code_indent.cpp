#include "events/code_indent.hpp"

#include "events/lines.hpp"

namespace kerfa_parser_markdown::events {

namespace {

constexpr std::size_t TAB_STOP = 4;

std::size_t after(char c, std::size_t column) {
    return c == '\t' ? column + TAB_STOP - column % TAB_STOP : column + 1;
}

}  // namespace

std::string indentation_as_written(std::string_view text, std::size_t piece, std::size_t columns) {
    const std::size_t start = lines::line_start(text, piece);
    std::size_t end_column = 0;
    for (std::size_t p = start; p < piece; ++p) {
        end_column = after(text[p], end_column);
    }
    std::string spaces(columns, ' ');
    if (end_column < columns) {
        return spaces;
    }
    const std::size_t first = end_column - columns;
    std::string out;
    std::size_t column = 0;
    for (std::size_t p = start; p < piece; ++p) {
        const std::size_t next = after(text[p], column);
        if (next > first) {
            if (!lines::is_blank_char(text[p])) {
                return spaces;
            }
            if (text[p] == '\t' && column >= first) {
                out += '\t';
            } else {
                out.append(next - std::max(column, first), ' ');
            }
        }
        column = next;
    }
    return out;
}

}  // namespace kerfa_parser_markdown::events
