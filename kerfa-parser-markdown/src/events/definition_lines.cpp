#include "events/definition_lines.hpp"

#include <algorithm>

#include "events/lines.hpp"

namespace kerfa_parser_markdown::events {

namespace {

using namespace lines;

// The line before the one starting at `start` (not 0): its start and its line end.
std::pair<std::size_t, std::size_t> previous_line(std::string_view text, std::size_t start) {
    std::size_t end = start - 1;
    if (text[end] == '\n' && end > 0 && text[end - 1] == '\r') {
        --end;
    }
    return {line_start(text, end), end};
}

bool is_blank(std::string_view text, std::size_t start) {
    return rest_is_blank(text, start);
}

// An ATX heading line from `start`: up to three spaces, one to six '#', then a space, a tab or
// the line end.
bool is_atx_heading(std::string_view text, std::size_t start) {
    std::size_t p = start;
    while (p < text.size() && p - start < 3 && text[p] == ' ') {
        ++p;
    }
    std::size_t hashes = 0;
    while (p + hashes < text.size() && text[p + hashes] == '#') {
        ++hashes;
    }
    const std::size_t after = p + hashes;
    return hashes > 0 && hashes <= 6 &&
           (after >= text.size() || is_blank_char(text[after]) || is_line_end(text[after]));
}

}  // namespace

DefinitionLines::DefinitionLines(std::string_view text) {
    std::size_t p = 0;
    while ((p = find_byte<']'>(text, p)) < text.size()) {
        if (p + 1 >= text.size() || text[p + 1] != ':') {
            ++p;
            continue;
        }
        const std::size_t start = line_start(text, p);
        const std::size_t end = line_end(text, p);
        if (start > 0) {
            const auto [before_start, before_end] = previous_line(text, start);
            lines_.push_back({before_start, before_end, false, false});
        }
        lines_.push_back({start, end, true, false});
        const std::size_t next = after_line_end(text, end);
        if (next < text.size()) {
            lines_.push_back({next, line_end(text, next), false, false});
        }
        p = end;
    }
    std::stable_sort(lines_.begin(), lines_.end(),
                     [](const Line& a, const Line& b) { return a.start < b.start; });
    std::vector<Line> merged;
    for (const Line& line : lines_) {
        if (!merged.empty() && merged.back().start == line.start) {
            merged.back().definition = merged.back().definition || line.definition;
        } else {
            merged.push_back(line);
        }
    }
    lines_ = std::move(merged);
}

std::size_t DefinitionLines::first_at_or_after(std::size_t offset) const {
    return static_cast<std::size_t>(
        std::partition_point(lines_.begin(), lines_.end(),
                             [&](const Line& line) { return line.end < offset; }) -
        lines_.begin());
}

void DefinitionLines::note_near_line(std::size_t offset, std::size_t size) {
    if (size == 0) {
        return;
    }
    std::size_t index = next_;
    if (index > 0 && lines_[index - 1].end >= offset) {
        index = first_at_or_after(offset);  // out of order
    } else {
        while (index < lines_.size() && lines_[index].end < offset) {
            ++index;
        }
        next_ = index;
    }
    mark(index, offset, offset + size);
}

void DefinitionLines::mark(std::size_t index, std::size_t offset, std::size_t end) {
    for (; index < lines_.size() && lines_[index].start < end; ++index) {
        if (lines_[index].end >= offset) {
            lines_[index].given = true;
        }
    }
}

std::optional<std::string_view> DefinitionLines::before(std::string_view text, std::size_t end) {
    for (; !unknown_ && read_ < lines_.size() && lines_[read_].end < end; ++read_) {
        if (lines_[read_].definition && !lines_[read_].given && read_ >= covered_) {
            add_block(text, read_, end);
        }
    }
    if (unknown_) {
        return std::nullopt;
    }
    return blocks_;
}

void DefinitionLines::add_block(std::string_view text, std::size_t line, std::size_t end) {
    // The block: the lines around it that gave nothing, up to a blank line or a line that gave
    // text.
    std::size_t first = line;
    while (lines_[first].start > 0) {
        const std::size_t start = previous_line(text, lines_[first].start).first;
        if (is_blank(text, start)) {
            break;
        }
        // Only a heading ends a block right before a definition; after other text it may be
        // the title of a link over several lines.
        if (first == 0 || lines_[first - 1].start != start ||
            (lines_[first - 1].given && !is_atx_heading(text, start))) {
            unknown_ = true;
            return;
        }
        if (lines_[first - 1].given) {
            break;
        }
        --first;
    }
    std::size_t last = line;
    while (true) {
        const std::size_t next = after_line_end(text, lines_[last].end);
        if (next >= text.size() || is_blank(text, next)) {
            break;
        }
        if (last + 1 == lines_.size() || lines_[last + 1].start != next) {
            unknown_ = true;
            return;
        }
        if (lines_[last + 1].given) {
            break;
        }
        ++last;
    }
    if (lines_[last].end >= end) {
        unknown_ = true;
        return;
    }
    const std::size_t from = lines_[first].start;
    const std::size_t to = after_line_end(text, lines_[last].end);
    blocks_.append(text.substr(from, to - from));
    if (to == lines_[last].end) {
        blocks_ += '\n';
    }
    blocks_ += '\n';
    covered_ = last + 1;
}

DefinitionLines DefinitionLines::part(std::size_t from, std::size_t to) const {
    DefinitionLines part;
    for (const Line& line : lines_) {
        if (line.start >= from && line.start < to) {
            part.lines_.push_back({line.start, line.end, line.definition, false});
        }
    }
    return part;
}

bool DefinitionLines::same_pieces(const DefinitionLines& part) const {
    for (const Line& line : part.lines_) {
        const auto it =
            std::lower_bound(lines_.begin(), lines_.end(), line.start,
                             [](const Line& a, std::size_t start) { return a.start < start; });
        if (it == lines_.end() || it->start != line.start || it->given != line.given) {
            return false;
        }
    }
    return true;
}

}  // namespace kerfa_parser_markdown::events
