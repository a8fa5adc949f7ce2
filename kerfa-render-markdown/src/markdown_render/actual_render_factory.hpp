#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "markdown_render/components.hpp"
#include "markdown_render/lead.hpp"
#include "markdown_render/next_bullet.hpp"
#include "markdown_render/verbatim_spans.hpp"

namespace kerfa_render_markdown::markdown_render {

namespace model = kerfa_content::data::types;

// The Markdown writer's factory: one per rendering. It keeps what the nesting says about the
// next line (quote markers, indents, entry indentation, open lists and tables, code boxes) and
// whether the output stands at the start of a line whose lead is still missing.
//
// The line start. Operations that write at the start of a line take it: they clear the flag and,
// when it was set, begin with the lead. A line break and a section set it. Heading and span ends
// ask the factory again and take it too, so a span that closes right after a line break eats the
// next line's lead. A code box, pipe table, block quote or heading that follows text on its line
// first starts a new one; right after a list label it stays on the label's line.
//
// Some blocks are over for a reader only at a line end (a code box) or a blank line (an HTML
// block, a pipe table): the factory owes those line feeds, and what comes next pays them first.
class ActualRenderFactory {
  public:
    RenderBlockWrap block(const model::Block& block);
    void block_exit(const model::Block& block);
    RenderInline check(bool checked);
    RenderInline divider_line();
    RenderHeadingText heading(const model::Heading& heading);
    RenderText html(std::string_view html);
    RenderInline image(const kerfa_content::types::Source& source);
    RenderInline line_break(const model::LineBreak& line_break);
    RenderPropertyWrap property(const model::PropertyElement& element);
    RenderSectionLine section(const model::Section& section);
    RenderTaglineNoop tagline();
    RenderText text(std::string_view text);

    std::string_view lead() const { return lead_.text(); }
    bool at_line_start() const { return at_line_start_; }

  private:
    // Clears the flag (and the entry and HTML line flags); whether it was set.
    bool take_line_start();
    // Takes the line start: the owed line feeds, then the lead when the line start was set.
    std::string take_lead();
    // Takes the line start for what must begin a line: the lead at a line start, else a line
    // feed and the lead; right after a list label nothing.
    std::string line_opening();
    // The owed line feeds, each empty line with its quote markers.
    void pay_owed(std::string& out);
    void owe(std::size_t line_feeds) { owed_ = std::max(owed_, line_feeds); }
    bool in_pipe_cell() const;
    bool follows_text() const { return !at_line_start_ && !at_entry_start_; }
    bool in_pipe_table() const { return !tables_.empty() && !tables_.back().html; }
    escape::Escaping text_escaping() const;

    void table_block(const model::Block& block, RenderBlockWrap& wrap);
    void pipe_row(const model::Block& block, RenderBlockWrap& wrap);

    std::vector<next_bullet::NextBullet> bullets_;
    // Per open table. A pipe table writes one heading row first, as wide as its widest row.
    struct Table {
        bool html = false;
        std::size_t columns = 1;
        const model::Block* heading_row = nullptr;
        bool delimited = false;  // the heading and delimiter rows are written
        std::unique_ptr<PipeTableRows> rows;
        std::size_t cell_depth = 0;  // the block depth of its open cell, 0 when none is
    };
    std::vector<Table> tables_;
    Lead lead_;
    std::size_t code_depth_ = 0;
    // Line feeds that must come before the next item: 1 ends the line, 2 leaves an empty one.
    std::size_t owed_ = 0;
    std::size_t block_depth_ = 0;
    bool at_line_start_ = true;
    // Nothing but a list label on the line yet.
    bool at_entry_start_ = false;
    // The line began with raw HTML and holds nothing else yet.
    bool html_line_ = false;
    // A line of raw HTML ended; unless more HTML follows, the block is over and owes a blank line.
    bool after_html_block_ = false;
    // A list or quote ended and no empty line came yet.
    bool after_list_or_quote_ = false;
    VerbatimSpans verbatim_;
};

}  // namespace kerfa_render_markdown::markdown_render
