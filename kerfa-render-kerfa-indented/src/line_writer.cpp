#include "line_writer.hpp"

#include <algorithm>

#include "shared/utils/utf8.hpp"

namespace kerfa_render_kerfa_indented::line_writer {

namespace {

constexpr std::string_view ARROW = "\xE2\x86\x90 ";  // "← "

}  // namespace

void LineWriter::finish() {
    if (current_) {
        lines_.push_back(std::move(*current_));
        current_.reset();
    }
}

std::size_t LineWriter::line(std::string text, std::optional<std::string> note) {
    finish();
    lines_.push_back(line::Line{std::move(text), std::move(note), depth_});
    return lines_.size();
}

void LineWriter::blank() {
    finish();
    if (!lines_.empty()) {
        lines_.push_back(line::Line{});
    }
}

void LineWriter::append(std::string_view text) {
    if (!current_) {
        current_ = line::Line{std::string(), std::nullopt, depth_};
    }
    current_->line_text += text;
}

std::string LineWriter::to_output() {
    finish();
    std::string out;
    for (const line::Line& line : lines_) {
        const std::size_t indent = std::min(line.depth, MAX_WRITTEN_DEPTH) * 4;
        out.append(indent, ' ');
        out += line.line_text;
        if (line.note) {
            const std::size_t width = indent + shared::utils::count_chars(line.line_text);
            out.append(width + MIN_NOTE_GAP < NOTE_COLUMN ? NOTE_COLUMN - width : MIN_NOTE_GAP,
                       ' ');
            out += ARROW;
            out += *line.note;
        }
        out += '\n';
    }
    return out;
}

}  // namespace kerfa_render_kerfa_indented::line_writer
