#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "kerfa_render_core_dynamic/modules/components.hpp"
#include "markdown_render/escape.hpp"
#include "markdown_render/verbatim_spans.hpp"

// The Markdown writer's components. Texts a factory composes are owned; RenderText views the
// document's text, and is written at once.
namespace kerfa_render_markdown::markdown_render {

namespace modules = kerfa_render_core_dynamic::modules;

// A composed text: a marker, a check box, an image.
struct RenderInline final : modules::Render {
    std::string text;
    explicit RenderInline(std::string text) : text(std::move(text)) {}
    void render(std::string& out) const override { out += text; }
};

// A text or raw HTML item: what the line start asks for (owed line feeds, the lead), then the
// text as escaping says.
struct RenderText final : modules::Render {
    std::string prefix;
    std::string_view text;
    escape::Escaping escaping;
    RenderText(std::string prefix, std::string_view text, escape::Escaping escaping)
        : prefix(std::move(prefix)), text(text), escaping(escaping) {}
    void render(std::string& out) const override {
        out += prefix;
        escape::append_escaped(out, text, escaping);
    }
};

struct RenderHeadingText final : modules::RenderHeading {
    std::string start_text;
    explicit RenderHeadingText(std::string start) : start_text(std::move(start)) {}
    std::string debug_text() const override;
    void start(std::string& out) const override { out += start_text; }
    void end(std::string&) const override {}
};

// A span's markup. A span written as it stands tells `verbatim` where it starts and ends.
struct RenderPropertyWrap final : modules::RenderProperty {
    std::string start_text;
    std::string end_text;
    VerbatimSpans* verbatim = nullptr;
    property_markup::Verbatim kind = property_markup::Verbatim::None;
    std::size_t depth = 0;

    std::string debug_text() const override;
    void start(std::string& out) const override {
        out += start_text;
        if (verbatim != nullptr) {
            verbatim->open(kind, out.size(), depth);
        }
    }
    void start_with_content(std::string_view, std::string& out) const override { start(out); }
    void end(std::string& out) const override {
        if (verbatim != nullptr) {
            verbatim->close(out);
        }
        out += end_text;
    }
};

// Where a pipe table's rows begin. Its heading row must come first; when other rows precede it
// in the model, it moves before them once written.
struct PipeTableRows {
    std::size_t first_row = std::string::npos;
};

struct RenderBlockWrap final : modules::RenderBlock {
    std::string start_text;
    std::string end_text;
    std::string between_start_text;
    std::string between_end_text;
    // A code box's: when its last line is still owed its lead (the line is empty), the end takes
    // the line start and writes `owed_lead` first, so that no line leaves the quotes.
    bool* line_start = nullptr;
    std::string owed_lead;
    // A pipe table row's: its table, and how much of `start_text` comes before the row itself
    // (a line feed and the lead).
    PipeTableRows* rows = nullptr;
    std::size_t opening = 0;
    bool heading_row = false;
    mutable std::size_t row_start_ = 0;

    std::string debug_text() const override;
    void start(std::string& out) const override;
    void end(std::string& out) const override;
    void between_start(std::string& out) const override { out += between_start_text; }
    void between_end(std::string& out) const override { out += between_end_text; }
};

// Sections begin at a line start: after a section whose text does not end with a line break, the
// next one starts a new line, which pays one owed line feed.
struct RenderSectionLine final : modules::RenderSection {
    bool* line_start = nullptr;
    std::size_t* owed = nullptr;

    RenderSectionLine(bool& line_start, std::size_t& owed) : line_start(&line_start), owed(&owed) {}
    std::string debug_text() const override { return "RenderSectionLine"; }
    void between_end(std::string& out) const override {
        if (!std::exchange(*line_start, true)) {
            out += '\n';
            *owed = *owed > 0 ? *owed - 1 : 0;
        }
    }
};

// A tagline's text is written as ordinary text.
struct RenderTaglineNoop final : modules::RenderTagline {
    std::string debug_text() const override { return "RenderTaglineNoop"; }
    void start(std::string&) const override {}
    void end(std::string&) const override {}
};

}  // namespace kerfa_render_markdown::markdown_render
