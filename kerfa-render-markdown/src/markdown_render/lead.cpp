#include "markdown_render/lead.hpp"

namespace kerfa_render_markdown::markdown_render {

void Lead::push(std::string_view step, bool quote) {
    ++depth_;
    if (depth_ > kMaxLevels) {
        return;
    }
    const std::size_t quote_end = levels_.empty() ? 0 : levels_.back().quote_end;
    text_ += step;
    levels_.push_back(Level{text_.size(), quote ? text_.size() - 1 : quote_end});
}

void Lead::pop() {
    if (depth_ == 0) {
        return;
    }
    if (depth_-- <= kMaxLevels) {
        levels_.pop_back();
        text_.resize(levels_.empty() ? 0 : levels_.back().end);
    }
}

}  // namespace kerfa_render_markdown::markdown_render
