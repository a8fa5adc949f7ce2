#include "markdown_render/verbatim_spans.hpp"

#include <algorithm>
#include <string_view>

namespace kerfa_render_markdown::markdown_render {

void VerbatimSpans::open(property_markup::Verbatim kind, std::size_t position, std::size_t depth) {
    open_.push_back(Open{kind, position, depth});
    if (kind == property_markup::Verbatim::CodeSpan) {
        ++open_code_spans_;
    }
}

void VerbatimSpans::pop() {
    if (open_.back().kind == property_markup::Verbatim::CodeSpan) {
        --open_code_spans_;
    }
    open_.pop_back();
}

void VerbatimSpans::close(std::string& out) {
    if (open_.empty()) {
        return;
    }
    const Open span = open_.back();
    pop();
    if (span.kind == property_markup::Verbatim::CodeSpan && open_code_spans_ == 0 &&
        span.position <= out.size()) {
        fence_code_span(out, span.position);
    }
}

void VerbatimSpans::forget_from(std::size_t depth) {
    while (!open_.empty() && open_.back().depth >= depth) {
        pop();
    }
}

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\n';
}

}  // namespace

void fence_code_span(std::string& out, std::size_t position) {
    const std::string_view code = std::string_view(out).substr(position);
    if (code.empty()) {
        // "``" would read back as two backquotes: an empty span is left out.
        return;
    }
    std::size_t longest = 0;
    std::size_t run = 0;
    for (const char c : code) {
        run = c == '`' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    const bool all_blank = std::all_of(code.begin(), code.end(), is_blank);
    const bool pad = code.front() == '`' || code.back() == '`' ||
                     (is_blank(code.front()) && is_blank(code.back()) && !all_blank);
    std::string fence(longest + 1, '`');
    if (pad) {
        out += ' ';
    }
    out += fence;
    if (pad) {
        fence += ' ';
    }
    out.insert(position, fence);
}

}  // namespace kerfa_render_markdown::markdown_render
