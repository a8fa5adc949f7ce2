#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kerfa_render_markdown::markdown_render {

// What begins a line inside the open quotes, indents and list entries, outermost first: "> " per
// quote, a tab or blanks per indent, and blanks to an entry's content column, so that a reader
// keeps the line inside all of them. Leads go as deep as 256 levels; lines deeper than that get
// none, as a reader would flatten them anyway: a lead per level on every line of a deeper chain
// would make the text grow with the square of its depth, and even a lead of 256 levels on each
// of its lines with hundreds of times the input's size.
class Lead {
  public:
    static constexpr std::size_t kMaxLevels = 256;

    void push_quote() { push(Kind::Quote, "> ", 0); }
    void push_entry(std::size_t width);
    void push_indent();
    void pop();

    // The lead of a line with something on it. Written at this level, it ends for a reader the
    // lists whose entries closed here.
    std::string_view line() {
        closed_entries_.resize(std::min(closed_entries_.size(), levels_.size()));
        return text();
    }
    std::string_view text() const { return depth_ > kMaxLevels ? std::string_view() : text_; }
    // The lead of an empty line: up to the innermost quote's marker, without the blanks after
    // it, since trailing blanks would be all the line holds.
    std::string_view empty_line() const {
        return text().substr(0,
                             levels_.empty() || depth_ > kMaxLevels ? 0 : levels_.back().quote_end);
    }

  private:
    enum class Kind { Quote, Entry, Indent };
    struct Level {
        std::size_t end;
        std::size_t quote_end;
        Kind kind;
        // Columns that indents moved the line since the innermost quote marker or entry.
        std::size_t indent_blanks;
        std::size_t column;  // where the line's text begins, a tab reaching the next fourth
    };
    void push(Kind kind, std::string_view step, std::size_t indent_blanks);

    std::string text_;
    std::vector<Level> levels_;  // the written levels
    // Per written level, the width of the last entry closed there while its list may still be
    // open for a reader (0: none).
    std::vector<std::size_t> closed_entries_;
    std::size_t depth_ = 0;  // all open levels
};

}  // namespace kerfa_render_markdown::markdown_render
