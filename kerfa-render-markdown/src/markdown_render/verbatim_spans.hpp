#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "markdown_render/property_markup.hpp"

namespace kerfa_render_markdown::markdown_render {

// The open spans whose text is written as it stands: inline code and autolinks. The factory
// cannot tell a span's start from its end (it is asked the same for both), so the span's own
// components report them here as they write.
//
// Inline code is fenced when it closes, once its text is known: with a backquote run longer than
// any inside it (a code span inside another is only text of the outer one, which a reader could
// not tell apart, so only the outermost is fenced: each text is scanned once), and with one blank
// inside each fence where the text begins or ends with a backquote, or both begins and ends with a
// blank (a reader strips that pair again).
class VerbatimSpans {
  public:
    // A span opens where the output now ends; `depth` is the number of blocks around it.
    void open(property_markup::Verbatim kind, std::size_t position, std::size_t depth);
    // Closes the innermost span, fencing inline code in place.
    void close(std::string& out);
    // Spans left open in lists that are over: those opened inside `depth` or more blocks.
    void forget_from(std::size_t depth);

    // Whether text is now written as it stands.
    bool active() const { return !open_.empty(); }

  private:
    struct Open {
        property_markup::Verbatim kind;
        std::size_t position;
        std::size_t depth;
    };
    void pop();

    std::vector<Open> open_;
    std::size_t open_code_spans_ = 0;
};

// Fences the code text that runs from `position` to the end of the output.
void fence_code_span(std::string& out, std::size_t position);

}  // namespace kerfa_render_markdown::markdown_render
