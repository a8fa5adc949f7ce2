#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kerfa_render_markdown::markdown_render {

// What begins a line inside the open quotes, indents and list entries, outermost first: "> " per
// quote, a tab per indent, and blanks to an entry's content column, so that a reader keeps the
// line inside all of them. Leads go as deep as 256 levels; lines deeper than that get none, as
// a reader would flatten them anyway: a lead per level on every line of a deeper chain would
// make the text grow with the square of its depth, and even a lead of 256 levels on each of its
// lines with hundreds of times the input's size.
class Lead {
  public:
    static constexpr std::size_t kMaxLevels = 256;

    void push_quote() { push("> ", true); }
    void push_tab() { push("\t", false); }
    void push_entry(std::size_t width) { push(std::string(width, ' '), false); }
    void pop();

    // The lead of a line with something on it.
    std::string_view line() const { return depth_ > kMaxLevels ? std::string_view() : text_; }
    // The lead of an empty line: up to the innermost quote's marker, without the blanks after
    // it, since trailing blanks would be all the line holds.
    std::string_view empty_line() const {
        return line().substr(0,
                             levels_.empty() || depth_ > kMaxLevels ? 0 : levels_.back().quote_end);
    }

  private:
    struct Level {
        std::size_t end;
        std::size_t quote_end;
    };
    void push(std::string_view step, bool quote);

    std::string text_;
    std::vector<Level> levels_;  // the written levels
    std::size_t depth_ = 0;      // all open levels
};

}  // namespace kerfa_render_markdown::markdown_render
