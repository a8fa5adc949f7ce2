#include "events/table_repair.hpp"

#include <algorithm>

#include "events/lines.hpp"

namespace kerfa_parser_markdown::events::repair {

namespace {

using namespace lines;

struct DelimiterCell {
    std::size_t start;
    std::size_t end;
};

// The cells of a delimiter row from p ("|"? cells ":"? "-"+ ":"? between pipes, spaces around,
// at least one pipe); none when the line is not one.
std::optional<std::vector<DelimiterCell>> delimiter_cells(std::string_view text, std::size_t p) {
    const std::size_t end = line_end(text, p);
    std::vector<DelimiterCell> cells;
    std::size_t pipes = 0;
    auto skip_spaces = [&] {
        while (p < end && text[p] == ' ') {
            ++p;
        }
    };
    if (p < end && text[p] == '|') {
        ++pipes;
        ++p;
    }
    while (true) {
        skip_spaces();
        if (p == end) {
            break;
        }
        const std::size_t start = p;
        if (text[p] == ':') {
            ++p;
        }
        const std::size_t dashes = p;
        while (p < end && text[p] == '-') {
            ++p;
        }
        if (p == dashes) {
            return std::nullopt;
        }
        if (p < end && text[p] == ':') {
            ++p;
        }
        cells.push_back({start, p});
        skip_spaces();
        if (p == end) {
            break;
        }
        if (text[p] != '|') {
            return std::nullopt;
        }
        ++pipes;
        ++p;
    }
    if (cells.empty() || pipes == 0) {
        return std::nullopt;
    }
    return cells;
}

// Column of position p of the line that starts at `start`, with tab stops of 4.
std::size_t column(std::string_view text, std::size_t start, std::size_t p) {
    std::size_t col = 0;
    for (std::size_t i = start; i < p; ++i) {
        col = text[i] == '\t' ? (col / 4 + 1) * 4 : col + 1;
    }
    return col;
}

struct Stripped {
    std::size_t content;  // where the content starts
    bool removed_marker;  // a list marker was passed over
};

// The content of the line at `start`: past spaces, tabs and '>', and also list markers when
// `markers` is set.
Stripped strip_line(std::string_view text, std::size_t start, bool markers) {
    std::size_t p = skip_quote_prefix(text, start);
    bool removed = false;
    while (markers) {
        const std::size_t length = list_marker_length(text, p);
        if (length == 0) {
            break;
        }
        removed = true;
        p = skip_quote_prefix(text, p + length);
    }
    return {p, removed};
}

std::size_t count_quote_markers(std::string_view text, std::size_t from, std::size_t to) {
    return static_cast<std::size_t>(std::count(text.begin() + from, text.begin() + to, '>'));
}

// Cells of a header line's content: its unescaped pipes, less a leading one, plus one unless
// only blanks follow the last.
std::size_t header_cells(std::string_view text, std::size_t p) {
    const std::size_t end = line_end(text, p);
    std::size_t pipes = 0;
    std::size_t last_pipe = end;
    for (std::size_t i = p; i < end; ++i) {
        if (text[i] == '|' && (i == p || text[i - 1] != '\\')) {
            ++pipes;
            last_pipe = i;
        }
    }
    if (pipes == 0) {
        return 0;
    }
    std::size_t cells = pipes;
    if (text[p] == '|') {
        --cells;
    }
    if (!rest_is_blank(text, last_pipe + 1)) {
        ++cells;
    }
    return cells;
}

}  // namespace

std::optional<Site> find_site(std::string_view text, const Run& run) {
    const std::size_t first_line = line_start(text, run.first_piece);
    const std::size_t last_line = line_start(text, run.last_piece);
    const bool first_is_run_start = !run.break_before_first;
    const Stripped first = strip_line(text, first_line, first_is_run_start);
    const std::size_t c_first = column(text, first_line, first.content);

    std::size_t header = first_line;
    while (header < last_line) {
        const std::size_t delimiter = after_line_end(text, line_end(text, header));
        const bool header_is_run_start = header == first_line && first_is_run_start;
        const std::size_t previous_header = header;
        header = delimiter;

        const Stripped d = strip_line(text, delimiter, false);
        if (d.content >= text.size() ||
            (text[d.content] != '|' && text[d.content] != ':' && text[d.content] != '-')) {
            continue;  // most lines: no delimiter row
        }
        const auto cells = delimiter_cells(text, d.content);
        if (!cells) {
            continue;
        }
        const Stripped h = strip_line(text, previous_header, header_is_run_start);
        if (!header_is_run_start && (h.content >= text.size() || text[h.content] != '|')) {
            continue;
        }
        if (header_cells(text, h.content) != cells->size()) {
            continue;
        }
        if (count_quote_markers(text, previous_header, h.content) != run.quote_depth ||
            count_quote_markers(text, delimiter, d.content) != run.quote_depth) {
            continue;
        }
        const std::size_t c_header = column(text, previous_header, h.content);
        const std::size_t c_delimiter = column(text, delimiter, d.content);
        if (c_header >= c_first + 4 || c_delimiter >= c_first + 4) {
            continue;
        }
        if (run.in_list_item && (c_header < c_first || c_delimiter < c_first)) {
            continue;
        }
        Site site{previous_header, delimiter, d.content, std::nullopt, run.depth};
        if (!h.removed_marker) {
            std::string line(text.substr(previous_header, h.content - previous_header));
            line += "<!---->\n";
            site.separator = std::move(line);
        }
        return site;
    }
    return std::nullopt;
}

void widen_delimiter_cells(std::string_view text, const Site& site, std::vector<Edit>& edits) {
    const auto cells = delimiter_cells(text, site.delimiter_content);
    if (!cells) {
        return;
    }
    for (const DelimiterCell& cell : *cells) {
        const std::size_t length = cell.end - cell.start;
        if (length < 3) {
            const std::size_t first_dash = text[cell.start] == ':' ? cell.start + 1 : cell.start;
            edits.push_back({first_dash + 1, std::string(3 - length, '-')});
        }
    }
}

void space_adjacent_pipes(std::string_view text, std::size_t from, std::size_t to,
                          std::vector<Edit>& edits) {
    const std::size_t end = line_end(text, std::min(to, text.size()));
    for (std::size_t i = from; i + 1 < end; ++i) {
        if (text[i] == '|' && text[i + 1] == '|' && (i == 0 || text[i - 1] != '\\')) {
            edits.push_back({i + 1, " "});
        }
    }
}

bool starts_block(std::string_view text, std::size_t p) {
    std::size_t spaces = 0;
    while (p < text.size() && text[p] == ' ' && spaces < 3) {
        ++p;
        ++spaces;
    }
    if (p >= text.size()) {
        return false;
    }
    const char c = text[p];
    if (c == '#') {
        std::size_t hashes = 0;
        while (p + hashes < text.size() && text[p + hashes] == '#') {
            ++hashes;
        }
        const std::size_t after = p + hashes;
        return hashes <= 6 &&
               (after >= text.size() || is_blank_char(text[after]) || is_line_end(text[after]));
    }
    if (c == '`' || c == '~') {
        return p + 2 < text.size() && text[p + 1] == c && text[p + 2] == c;
    }
    if (c == '>') {
        return true;
    }
    if (c == '<' && p + 1 < text.size()) {
        const char next = text[p + 1];
        return (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z') || next == '/' ||
               next == '!' || next == '?';
    }
    return false;
}

std::size_t skip_quote_markers(std::string_view text, std::size_t p, std::size_t count) {
    while (count > 0 && p < text.size()) {
        if (text[p] == '>') {
            --count;
        } else if (!is_blank_char(text[p])) {
            break;
        }
        ++p;
    }
    if (p < text.size() && text[p] == ' ') {
        ++p;
    }
    return p;
}

std::string PositionMap::apply(std::string_view text, std::vector<Edit> edits, PositionMap& map,
                               std::string_view prefix) {
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& a, const Edit& b) { return a.offset < b.offset; });
    std::string out;
    std::size_t added = 0;
    for (const Edit& edit : edits) {
        added += edit.text.size();
    }
    out.reserve(prefix.size() + text.size() + added);
    out.append(prefix);
    map.insertions_.clear();
    std::size_t copied = 0;
    std::size_t inserted = 0;
    for (const Edit& edit : edits) {
        out.append(text.substr(copied, edit.offset - copied));
        copied = edit.offset;
        map.insertions_.push_back({out.size(), edit.text.size(), inserted, edit.separator});
        out += edit.text;
        inserted += edit.text.size();
    }
    out.append(text.substr(copied));
    return out;
}

const PositionMap::Insertion* PositionMap::insertion_at_or_before(std::size_t p) const {
    auto it = std::upper_bound(insertions_.begin(), insertions_.end(), p,
                               [](std::size_t value, const Insertion& insertion) {
                                   return value < insertion.edited_start;
                               });
    if (it == insertions_.begin()) {
        return nullptr;
    }
    return &*std::prev(it);
}

std::size_t PositionMap::to_original(std::size_t p) const {
    const Insertion* insertion = insertion_at_or_before(p);
    if (insertion == nullptr) {
        return p;
    }
    if (p < insertion->edited_start + insertion->length) {
        return insertion->edited_start - insertion->inserted_before;
    }
    return p - insertion->inserted_before - insertion->length;
}

bool PositionMap::in_separator(std::size_t p) const {
    const Insertion* insertion = insertion_at_or_before(p);
    return insertion != nullptr && insertion->separator &&
           p < insertion->edited_start + insertion->length;
}

}  // namespace kerfa_parser_markdown::events::repair
