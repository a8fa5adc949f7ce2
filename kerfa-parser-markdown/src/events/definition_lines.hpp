#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kerfa_parser_markdown::events {

// The lines of a text that may hold a link reference definition (those with "]:") and the lines
// next to them, with whether the engine gave text from each: a definition gives none. A part of
// the text read again on its own sees the definitions of the rest through them.
class DefinitionLines {
  public:
    DefinitionLines() = default;
    explicit DefinitionLines(std::string_view text);

    // A piece of the text that the engine gave, by offset; pieces mostly come in order.
    void note_piece(std::size_t offset, std::size_t size) {
        // Most pieces lie between two watched lines.
        const bool after_previous = next_ == 0 || lines_[next_ - 1].end < offset;
        if (after_previous && (next_ == lines_.size() || offset + size <= lines_[next_].start)) {
            return;
        }
        note_near_line(offset, size);
    }

    // The definitions that end before `end`, whole lines in text order, each block of them
    // followed by a blank line; nullopt when a line near one was not watched, so that where it
    // begins or ends cannot be told. Each call's `end` is at or after the last one's: the lines
    // are read once over all calls.
    std::optional<std::string_view> before(std::string_view text, std::size_t end);

    // The watched lines from `from` to `to`, nothing given from them yet.
    DefinitionLines part(std::size_t from, std::size_t to) const;

    // Whether text came from the same lines of `part` here and there.
    bool same_pieces(const DefinitionLines& part) const;

  private:
    struct Line {
        std::size_t start;
        std::size_t end;  // its line end or the end of the text
        bool definition;  // holds "]:"
        bool given;       // the engine gave text from it
    };
    std::size_t first_at_or_after(std::size_t offset) const;
    void note_near_line(std::size_t offset, std::size_t size);
    void mark(std::size_t index, std::size_t offset, std::size_t end);
    void add_block(std::string_view text, std::size_t line, std::size_t end);

    std::vector<Line> lines_;
    std::size_t next_ = 0;  // the first line that may still be given to
    // What `before` has read so far.
    std::size_t read_ = 0;
    std::size_t covered_ = 0;  // lines below this index are in a block already written
    std::string blocks_;
    bool unknown_ = false;
};

}  // namespace kerfa_parser_markdown::events
