#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "markdown_render/components.hpp"
#include "markdown_render/next_bullet.hpp"
#include "markdown_render/verbatim_spans.hpp"

namespace kerfa_render_markdown::markdown_render {

namespace model = kerfa_content::data::types;

// The Markdown writer's factory: one per rendering. It keeps what the nesting says about the
// next line (quote markers, indent tabs, open lists and tables, code boxes) and whether the
// output stands at the start of a line whose lead is still missing.
//
// The line start. Operations that write at the start of a line take it: they clear the flag and,
// when it was set, begin with the lead. A line break and a section set it. Heading and span ends
// ask the factory again and take it too, so a span that closes right after a line break eats the
// next line's lead. A code box, pipe table, block quote or heading that follows text on its line
// first starts a new one; right after a list label it stays on the label's line.
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

    // "> " per open quote, then the innermost indent's tabs.
    Lead lead() const { return Lead{quote_depth_, indent_depth_}; }
    bool at_line_start() const { return at_line_start_; }

  private:
    // Clears the flag; whether it was set.
    bool take_line_start();
    // Takes the line start: the lead when it was set.
    std::string take_lead();
    // Takes the line start for what must begin a line: the lead at a line start, else a line
    // feed and the lead; right after a list label nothing, unless `whole_lines` (a code box or a
    // pipe table, whose later lines could not stay in the entry anyway).
    std::string line_opening(bool whole_lines);
    bool follows_text() const { return !at_line_start_ && !at_entry_start_; }
    bool in_pipe_table() const { return !tables_.empty() && !tables_.back(); }
    escape::Escaping text_escaping() const;

    void table_block(const model::Block& block, RenderBlockWrap& wrap);

    std::vector<next_bullet::NextBullet> bullets_;
    std::vector<bool> tables_;  // per open table: written in HTML
    std::size_t quote_depth_ = 0;
    // Open indents; each adds one tab to the one around it, so the innermost prefix is this many
    // tabs.
    std::size_t indent_depth_ = 0;
    std::size_t code_depth_ = 0;
    std::size_t block_depth_ = 0;
    bool at_line_start_ = true;
    // Nothing but a list label on the line yet.
    bool at_entry_start_ = false;
    VerbatimSpans verbatim_;
};

}  // namespace kerfa_render_markdown::markdown_render
