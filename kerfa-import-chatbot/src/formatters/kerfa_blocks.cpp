#include "formatters/kerfa_blocks.hpp"

#include <algorithm>
#include <variant>
#include <vector>

#include "formatters/shared.hpp"

namespace import_chatbot::formatters::kerfa_formatter {
namespace {

using kerfa_content::data::structure::Data;

// A heading line of the body (none for the text before the first heading) and the text under it.
struct Part {
    std::string heading;
    std::string text;
};

bool is_line_end(char c) {
    return c == '\n' || c == '\r';
}

bool starts_with_heading(const Data& item) {
    const auto* container = item.as_container();
    const auto* section = container != nullptr ? container->as_section() : nullptr;
    if (section == nullptr || section->children.empty()) {
        return false;
    }
    const auto* line = section->children[0].as_line_property();
    return line != nullptr && std::holds_alternative<kerfa_content::data::types::Heading>(*line);
}

// The writer writes the items of a list one after the other, each section whole, and a heading's
// text escapes its line ends: a section that starts with a heading is written as that heading's
// line, then the text under it.
std::vector<Part> split_at_headings(std::span<const Data> items,
                                    const kerfa_content::modules::renderer::Renderer& renderer) {
    std::vector<Part> parts;
    for (const Data& item : items) {
        const std::string written = renderer.render_all(std::span(&item, 1));
        if (!starts_with_heading(item)) {
            if (parts.empty()) {
                parts.emplace_back();
            }
            parts.back().text += written;
            continue;
        }
        const auto line_end = std::find_if(written.begin(), written.end(), is_line_end);
        const auto text_start = std::find_if_not(line_end, written.end(), is_line_end);
        parts.push_back(
            {std::string(written.begin(), line_end), std::string(text_start, written.end())});
    }
    return parts;
}

// The block's own line ends follow its closing: inside, they would be empty lines of the block.
void append_block(std::string_view text, std::string& out) {
    std::size_t end = text.size();
    while (end > 0 && is_line_end(text[end - 1])) {
        --end;
    }
    out += "<in>";
    out += text.substr(0, end);
    out += "<>";
    out += end == text.size() ? std::string_view("\n") : text.substr(end);
}

}  // namespace

bool has_heading(std::span<const Data> items) {
    return std::any_of(items.begin(), items.end(), starts_with_heading);
}

void append_blocks_between_headings(std::span<const Data> items, std::string_view images,
                                    const kerfa_content::modules::renderer::Renderer& renderer,
                                    std::string& out) {
    std::vector<Part> parts = split_at_headings(items, renderer);
    if (!parts.empty() && !images.empty()) {
        std::string last;
        shared::append_non_empty(parts.back().text, images, last);
        parts.back().text = std::move(last);
    }
    bool after_heading = false;
    for (const Part& part : parts) {
        if (!part.heading.empty()) {
            if (after_heading) {
                out += '\n';
            }
            out += part.heading;
            out += '\n';
            after_heading = true;
        }
        if (part.text.empty()) {
            continue;
        }
        if (after_heading) {
            out += '\n';
        }
        append_block(part.text, out);
        after_heading = false;
    }
}

}  // namespace import_chatbot::formatters::kerfa_formatter
