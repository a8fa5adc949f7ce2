#include "markdown_render/lead.hpp"

#include <algorithm>

namespace kerfa_render_markdown::markdown_render {

namespace {

// Blanks that still leave a line of text, not code, after an empty line.
constexpr std::size_t kMaxIndentBlanks = 3;

}  // namespace

void Lead::push(Kind kind, std::string_view step, std::size_t indent_blanks) {
    ++depth_;
    if (depth_ > kMaxLevels) {
        return;
    }
    const std::size_t quote_end = levels_.empty() ? 0 : levels_.back().quote_end;
    const std::size_t column = levels_.empty() ? 0 : levels_.back().column;
    text_ += step;
    levels_.push_back(Level{text_.size(), kind == Kind::Quote ? text_.size() - 1 : quote_end, kind,
                            indent_blanks,
                            step == "\t" ? column + 4 - column % 4 : column + step.size()});
}

void Lead::push_entry(std::size_t width) {
    // A new entry closes, for a reader, every list nested deeper than it.
    closed_entries_.resize(std::min(closed_entries_.size(), levels_.size() + 1));
    push(Kind::Entry, std::string(width, ' '), 0);
}

// A tab only right under an entry outside quotes whose content column a tab passes by less than
// four, so that the line stays text. Elsewhere a tab would reach a column that depends on the
// quote markers, or make the line code; blanks instead: to the content column of the entry just
// closed at this level, so that a nested list the reading flattened nests again, else two.
void Lead::push_indent() {
    const Level* top = levels_.empty() ? nullptr : &levels_.back();
    const bool in_quote = top != nullptr && top->quote_end > 0;
    if (top != nullptr && top->kind == Kind::Entry && !in_quote && top->column % 4 != 0) {
        push(Kind::Indent, "\t", 4 - top->column % 4);
        return;
    }
    const std::size_t before = top != nullptr ? top->indent_blanks : 0;
    const std::size_t level = levels_.size();
    const bool under_entry = top != nullptr && top->kind == Kind::Entry;
    const std::size_t closed =
        !under_entry && level < closed_entries_.size() ? closed_entries_[level] : 0;
    const std::size_t blanks =
        closed != 0
            ? closed
            : std::min<std::size_t>(2, kMaxIndentBlanks - std::min(before, kMaxIndentBlanks));
    push(Kind::Indent, std::string(blanks, ' '), before + blanks);
}

void Lead::pop() {
    if (depth_ == 0) {
        return;
    }
    if (depth_-- <= kMaxLevels) {
        const Level level = levels_.back();
        levels_.pop_back();
        text_.resize(levels_.empty() ? 0 : levels_.back().end);
        if (level.kind == Kind::Entry) {
            closed_entries_.resize(std::max(closed_entries_.size(), levels_.size() + 1));
            closed_entries_[levels_.size()] = level.end - text_.size();
        } else if (level.kind == Kind::Quote) {
            closed_entries_.resize(std::min(closed_entries_.size(), levels_.size()));
        }
    }
}

}  // namespace kerfa_render_markdown::markdown_render
