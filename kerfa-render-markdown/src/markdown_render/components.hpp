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

// What begins a line inside quotes and indents: "> " per open quote, then a tab per open indent.
struct Lead {
    std::size_t quotes = 0;
    std::size_t tabs = 0;

    void append_to(std::string& out) const {
        for (std::size_t i = 0; i < quotes; ++i) {
            out += "> ";
        }
        out.append(tabs, '\t');
    }

    // The lead of an empty line: the quote markers without the blanks that would end it.
    void append_empty_line_to(std::string& out) const {
        for (std::size_t i = 0; i < quotes; ++i) {
            out += i + 1 < quotes ? "> " : ">";
        }
    }
};

// A composed text: a marker, a check box, an image.
struct RenderInline final : modules::Render {
    std::string text;
    explicit RenderInline(std::string text) : text(std::move(text)) {}
    void render(std::string& out) const override { out += text; }
};

// A text or raw HTML item: the lead when it begins a line, then the text as escaping says.
struct RenderText final : modules::Render {
    Lead lead;
    std::string_view text;
    escape::Escaping escaping;
    RenderText(Lead lead, std::string_view text, escape::Escaping escaping)
        : lead(lead), text(text), escaping(escaping) {}
    void render(std::string& out) const override {
        lead.append_to(out);
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

struct RenderBlockWrap final : modules::RenderBlock {
    std::string start_text;
    std::string end_text;
    std::string between_start_text;
    std::string between_end_text;
    // A code box's: when its last line is still owed its lead (the line is empty), the end takes
    // the line start and writes `owed_lead` first, so that no line leaves the quotes.
    bool* line_start = nullptr;
    std::string owed_lead;

    std::string debug_text() const override;
    void start(std::string& out) const override { out += start_text; }
    void end(std::string& out) const override {
        if (line_start != nullptr && std::exchange(*line_start, false)) {
            out += owed_lead;
        }
        out += end_text;
    }
    void between_start(std::string& out) const override { out += between_start_text; }
    void between_end(std::string& out) const override { out += between_end_text; }
};

// Sections begin at a line start: after a section whose text does not end with a line break, the
// next one starts a new line.
struct RenderSectionLine final : modules::RenderSection {
    bool* line_start = nullptr;

    explicit RenderSectionLine(bool& line_start) : line_start(&line_start) {}
    std::string debug_text() const override { return "RenderSectionLine"; }
    void between_end(std::string& out) const override {
        if (!std::exchange(*line_start, true)) {
            out += '\n';
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
