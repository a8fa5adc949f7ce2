#include "markdown_render/components.hpp"

#include <fmt/format.h>

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

std::string RenderBlockWrap::debug_text() const {
    return fmt::format(
        "RenderBlockWrap {{ start: {}, end: {}, between_start: {}, between_end: {} }}",
        debug_quote(start_text), debug_quote(end_text), debug_quote(between_start_text),
        debug_quote(between_end_text));
}

}  // namespace kerfa_render_markdown::markdown_render
