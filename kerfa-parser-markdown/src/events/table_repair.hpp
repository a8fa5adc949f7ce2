#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The tables that the engine misses or gets wrong, mended by parsing an edited copy of the text:
// a separator line before a table header that follows paragraph text, delimiter cells widened to
// three characters, a space between adjacent pipes, and an empty line between a table and a
// block that starts right after it.
namespace kerfa_parser_markdown::events::repair {

// One run of inline content (a paragraph, or the text directly in a tight list item) as the
// engine gave it, in offsets of the parsed text.
struct Run {
    std::size_t first_piece;  // the start of its first piece from the input
    std::size_t last_piece;   // the start of its last one
    bool break_before_first;  // a line break came before the first piece
    std::size_t quote_depth;  // block quotes open around it
    bool in_list_item;        // a list item open around it
    std::size_t depth;        // block quotes, lists and items open around it
};

// Where a table header sits inside a run.
struct Site {
    std::size_t header_line;     // start of the header line
    std::size_t delimiter_line;  // start of the delimiter line
    std::size_t delimiter_content;
    std::optional<std::string> separator;  // the line to insert before the header, if any
    std::size_t depth;                     // as Run::depth
};

// The first line of the run that is a table delimiter row under a matching header line.
std::optional<Site> find_site(std::string_view text, const Run& run);

// Whether the line from p starts a block that ends a table: an ATX heading, a fence, a quote
// marker or an HTML block start, after up to three spaces.
bool starts_block(std::string_view text, std::size_t p);

// Past spaces, tabs and the first `count` '>' from the line start p (a table's quote prefix).
std::size_t skip_quote_markers(std::string_view text, std::size_t p, std::size_t count);

// An insertion into the text at an offset of the original.
struct Edit {
    std::size_t offset;
    std::string text;
    bool separator = false;  // a whole line the engine must not report
};

// The edits that widen the site's delimiter cells to three characters.
void widen_delimiter_cells(std::string_view text, const Site& site, std::vector<Edit>& edits);

// A space between the pipes of each unescaped "||" of the lines from `from` to the end of the
// line that holds `to`.
void space_adjacent_pipes(std::string_view text, std::size_t from, std::size_t to,
                          std::vector<Edit>& edits);

// Offsets of the edited text mapped back to the original.
class PositionMap {
  public:
    PositionMap() = default;
    // The edited text of `text`, after `prefix` (whose offsets count in the original); edits
    // at one offset go in in the order given.
    static std::string apply(std::string_view text, std::vector<Edit> edits, PositionMap& map,
                             std::string_view prefix = {});

    // The original offset of an edited offset; an offset inside an insertion maps to where the
    // insertion stands.
    std::size_t to_original(std::size_t p) const;
    // Whether an edited offset lies inside an inserted separator line.
    bool in_separator(std::size_t p) const;
    bool empty() const { return insertions_.empty(); }

  private:
    struct Insertion {
        std::size_t edited_start;
        std::size_t length;
        std::size_t inserted_before;  // bytes inserted before this one
        bool separator;
    };
    const Insertion* insertion_at_or_before(std::size_t p) const;

    std::vector<Insertion> insertions_;
};

}  // namespace kerfa_parser_markdown::events::repair
