#include "markdown_render/components.hpp"

#include <fmt/format.h>

#include <algorithm>

#include "kerfa_render_core_static/components/debug_quote.hpp"

namespace kerfa_render_markdown::markdown_render {

using kerfa_render_core_static::components::debug_quote;

std::string RenderHeadingText::debug_text() const {
    return fmt::format("RenderHeadingText {{ start: {} }}", debug_quote(start_text));
}

std::string RenderPropertyWrap::debug_text() const {
    return fmt::format("RenderPropertyWrap {{ start: {}, end: {} }}", debug_quote(start_text),
                       debug_quote(end_text));
}

void RenderBlockWrap::start(std::string& out) const {
    if (rows != nullptr) {
        row_start_ = out.size() + opening;
        rows->first_row = std::min(rows->first_row, row_start_);
    }
    out += start_text;
}

// A heading row written after other rows changes places with them: rows, line feed and lead,
// heading becomes heading, line feed and lead, rows.
void RenderBlockWrap::end(std::string& out) const {
    if (line_start != nullptr && std::exchange(*line_start, false)) {
        out += owed_lead;
    }
    out += end_text;
    if (!heading_row || rows == nullptr || rows->first_row >= row_start_) {
        return;
    }
    const auto first = out.begin() + static_cast<std::ptrdiff_t>(rows->first_row);
    const auto heading = out.begin() + static_cast<std::ptrdiff_t>(row_start_);
    const auto heading_size = out.end() - heading;
    std::rotate(first, heading, out.end());
    const auto separator_size = static_cast<std::ptrdiff_t>(opening);
    std::rotate(first + heading_size, out.end() - separator_size, out.end());
}

std::string RenderBlockWrap::debug_text() const {
    return fmt::format(
        "RenderBlockWrap {{ start: {}, end: {}, between_start: {}, between_end: {} }}",
        debug_quote(start_text), debug_quote(end_text), debug_quote(between_start_text),
        debug_quote(between_end_text));
}

}  // namespace kerfa_render_markdown::markdown_render
