#include "markdown_render/actual_render_factory.hpp"

#include <algorithm>
#include <utility>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/utils/block.hpp"
#include "markdown_render/nested.hpp"
#include "markdown_render/property_markup.hpp"

namespace kerfa_render_markdown::markdown_render {

namespace {

namespace bk = kerfa_content::data::kinds::block_kind;
using escape::Escaping;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::BulletStyle;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;

constexpr std::string_view kCardStart =
    "<div style=\"background: #f0f0f0; border: 1px solid #b0b0b0; border-radius: 0.3em; "
    "padding: 1em\">";

next_bullet::NextBullet list_labels(const model::Block& block) {
    next_bullet::NextBullet bullet{kerfa_content::utils::bullet_start(block).value_or(1),
                                   BulletStyle::Dash};
    if (block.attributes && !block.attributes->empty()) {
        if (const auto* style = std::get_if<Attribute::Bullet>(&block.attributes->front())) {
            bullet.style = style->style;
        }
    }
    return bullet;
}

// Three backquotes, or one more than the longest run in the code box's own texts, so that no line
// of the code closes it.
std::string code_fence(const model::Block& codebox) {
    std::size_t longest = 0;
    for (const Data& item : codebox.children) {
        const auto* content = item.as_content();
        const auto* text = content != nullptr ? std::get_if<Content::Text>(content) : nullptr;
        if (text == nullptr) {
            continue;
        }
        std::size_t run = 0;
        for (const char c : text->text) {
            run = c == '`' ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return std::string(std::max<std::size_t>(3, longest + 1), '`');
}

}  // namespace

bool ActualRenderFactory::take_line_start() {
    html_line_ = false;
    at_entry_start_ = false;
    return std::exchange(at_line_start_, false);
}

void ActualRenderFactory::pay_owed(std::string& out) {
    if (std::exchange(after_html_block_, false)) {
        owe(1);
    }
    // A line right after a list or a quote would be read as the lazy continuation of its last
    // paragraph.
    if (std::exchange(after_list_or_quote_, false)) {
        owe(at_line_start_ ? 1 : 2);
    }
    if (owed_ == 0) {
        return;
    }
    if (!at_line_start_) {
        out += '\n';
        --owed_;
        at_line_start_ = true;
    }
    for (; owed_ > 0; --owed_) {
        out += lead_.empty_line();
        out += '\n';
    }
}

std::string ActualRenderFactory::take_lead() {
    std::string text;
    pay_owed(text);
    if (take_line_start()) {
        text += lead_.line();
    }
    return text;
}

std::string ActualRenderFactory::line_opening() {
    std::string text;
    pay_owed(text);
    const bool new_line = follows_text();
    if (take_line_start() || new_line) {
        text += new_line ? "\n" : "";
        text += lead_.line();
    }
    return text;
}

bool ActualRenderFactory::in_pipe_cell() const {
    return in_pipe_table() && tables_.back().cell_depth != 0;
}

Escaping ActualRenderFactory::text_escaping() const {
    const bool as_is = code_depth_ > 0 || verbatim_.active();
    if (in_pipe_table()) {
        return as_is ? Escaping::Pipe : Escaping::MarkdownAndPipe;
    }
    return as_is ? Escaping::None : Escaping::Markdown;
}

RenderBlockWrap ActualRenderFactory::block(const model::Block& block) {
    RenderBlockWrap wrap;
    ++block_depth_;
    switch (block.id) {
        case bk::BLOCK_QUOTE:
            // Empty lines owed before the quote belong outside it.
            pay_owed(wrap.start_text);
            if (at_entry_start_) {
                // A quote that opens an entry has its marker on the label's line.
                wrap.start_text = "> ";
            } else if (follows_text()) {
                // The markers go on a line of their own, written by whatever comes first.
                wrap.start_text = "\n";
                at_line_start_ = true;
            }
            lead_.push_quote();
            break;
        case bk::BULLET:
            bullets_.push_back(list_labels(block));
            break;
        case bk::BULLET_ENTRY: {
            // The next entry of a list flattened around a nested one: on the next line.
            after_list_or_quote_ = false;
            pay_owed(wrap.start_text);
            if (!std::exchange(at_line_start_, false)) {
                wrap.start_text += '\n';
            }
            wrap.start_text += lead_.line();
            const std::size_t label_start = wrap.start_text.size();
            wrap.start_text += bullets_.empty() ? std::string("-") : bullets_.back().next();
            wrap.start_text += ' ';
            lead_.push_entry(wrap.start_text.size() - label_start);
            at_entry_start_ = true;
            break;
        }
        case bk::CARD:
            wrap.start_text = take_lead();
            wrap.start_text += kCardStart;
            wrap.end_text = "</div>";
            break;
        case bk::CODEBOX: {
            ++code_depth_;
            // Every line of code carries the lead, the first and the closing fence too.
            const std::string fence = code_fence(block);
            wrap.start_text = line_opening() + fence + "\n";
            wrap.owed_lead = lead_.empty_line();
            wrap.end_text = "\n";
            wrap.end_text += lead_.line();
            wrap.end_text += fence;
            wrap.line_start = &at_line_start_;
            at_line_start_ = true;
            break;
        }
        case bk::INDENT:
            lead_.push_indent();
            break;
        case bk::TABLE:
        case bk::TABLE_ROW:
        case bk::TABLE_ENTRY:
        case bk::TABLE_HEADING:
        case bk::TABLE_HEADING_ROW:
        case bk::TABLE_HEADING_ENTRY:
            table_block(block, wrap);
            break;
        default:
            // block, standalone-heading and unknown kinds write nothing of their own.
            break;
    }
    return wrap;
}

namespace {

const model::Block* block_of(const Data& item) {
    const auto* container = item.as_container();
    return container != nullptr ? container->as_block() : nullptr;
}

// The rows of a table, those of its heading part included.
template <class Visit>
void for_each_row(const model::Block& table, Visit visit) {
    for (const Data& item : table.children) {
        const model::Block* block = block_of(item);
        if (block == nullptr) {
            continue;
        }
        if (block->id == bk::TABLE_ROW || block->id == bk::TABLE_HEADING_ROW) {
            visit(*block);
        } else if (block->id == bk::TABLE_HEADING) {
            for (const Data& row : block->children) {
                if (const model::Block* heading_row = block_of(row)) {
                    visit(*heading_row);
                }
            }
        }
    }
}

// The cells of the widest row; an empty row is one cell.
std::size_t column_count(const model::Block& table) {
    std::size_t columns = 1;
    for_each_row(
        table, [&](const model::Block& row) { columns = std::max(columns, row.children.size()); });
    return columns;
}

// The first heading row with any text in it, else the first heading row; the others are written
// as ordinary rows.
const model::Block* heading_row_of(const model::Block& table) {
    const model::Block* first = nullptr;
    const model::Block* filled = nullptr;
    for_each_row(table, [&](const model::Block& row) {
        if (row.id != bk::TABLE_HEADING_ROW || filled != nullptr) {
            return;
        }
        first = first != nullptr ? first : &row;
        for (const Data& cell : row.children) {
            const model::Block* block = block_of(cell);
            if (block != nullptr && !block->children.empty()) {
                filled = &row;
                return;
            }
        }
    });
    return filled != nullptr ? filled : first;
}

void append_cells(std::string& out, std::string_view cell, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        out += cell;
    }
}

}  // namespace

void ActualRenderFactory::table_block(const model::Block& block, RenderBlockWrap& wrap) {
    if (block.id == bk::TABLE) {
        Table table;
        table.html =
            (!tables_.empty() && tables_.back().html) || nested::contains_table(block.children);
        if (table.html) {
            take_line_start();
            wrap.start_text = "<table>\n";
            wrap.end_text = "</table>";
        } else {
            table.columns = column_count(block);
            table.heading_row = heading_row_of(block);
            table.rows = std::make_unique<PipeTableRows>();
            pay_owed(wrap.start_text);
            if (follows_text()) {
                wrap.start_text += '\n';
                at_line_start_ = true;
            }
        }
        tables_.push_back(std::move(table));
        return;
    }
    const bool html = !tables_.empty() && tables_.back().html;
    const bool row = block.id == bk::TABLE_ROW || block.id == bk::TABLE_HEADING_ROW;
    if (html || !(row || in_pipe_table())) {
        take_line_start();
    }
    switch (block.id) {
        case bk::TABLE_ROW:
        case bk::TABLE_HEADING_ROW:
            if (html) {
                wrap.start_text = "<tr>";
                wrap.end_text = "</tr>\n";
            } else {
                pipe_row(block, wrap);
            }
            return;
        case bk::TABLE_ENTRY:
        case bk::TABLE_HEADING_ENTRY:
            if (html) {
                const bool heading = block.id == bk::TABLE_HEADING_ENTRY;
                wrap.start_text = heading ? "<th>" : "<td>";
                wrap.end_text = heading ? "</th>" : "</td>";
            } else {
                wrap.between_start_text = " | ";
                if (!tables_.empty()) {
                    tables_.back().cell_depth = block_depth_;
                }
            }
            return;
        case bk::TABLE_HEADING:
            if (html) {
                wrap.start_text = "<thead>\n";
                wrap.end_text = "</thead>\n";
            }
            return;
        default:
            return;
    }
}

// Every row on a line of its own, the heading row and the delimiter row first; a table without
// a heading row gets an empty one.
void ActualRenderFactory::pipe_row(const model::Block& block, RenderBlockWrap& wrap) {
    if (tables_.empty()) {
        // A row outside any table is written as one.
        wrap.start_text = line_opening() + "| ";
        wrap.end_text = " |";
        return;
    }
    Table& table = tables_.back();
    wrap.start_text = line_opening();
    const std::string_view lead = lead_.line();
    const auto delimiter = [&](std::string& out) {
        out += '\n';
        out += lead;
        out += '|';
        append_cells(out, " --- |", table.columns);
    };
    wrap.rows = table.rows.get();
    wrap.opening = wrap.start_text.size();
    wrap.end_text = " |";
    if (&block == table.heading_row) {
        wrap.heading_row = true;
        wrap.start_text += "| ";
        append_cells(wrap.end_text, "  |",
                     table.columns -
                         std::min(table.columns, std::max<std::size_t>(1, block.children.size())));
        delimiter(wrap.end_text);
        table.delimited = true;
        return;
    }
    if (table.heading_row == nullptr && !table.delimited) {
        wrap.start_text += '|';
        append_cells(wrap.start_text, "  |", table.columns);
        delimiter(wrap.start_text);
        wrap.start_text += '\n';
        wrap.start_text += lead;
        table.delimited = true;
    }
    wrap.start_text += "| ";
}

void ActualRenderFactory::block_exit(const model::Block& block) {
    block_depth_ = block_depth_ > 0 ? block_depth_ - 1 : 0;
    verbatim_.forget_from(block_depth_ + 1);
    switch (block.id) {
        case bk::BLOCK_QUOTE:
            lead_.pop();
            after_list_or_quote_ = true;
            return;
        case bk::BULLET_ENTRY:
        case bk::INDENT:
            lead_.pop();
            return;
        case bk::BULLET:
            if (!bullets_.empty()) {
                bullets_.pop_back();
            }
            after_list_or_quote_ = true;
            return;
        case bk::CODEBOX:
            code_depth_ = code_depth_ > 0 ? code_depth_ - 1 : 0;
            // What follows the closing fence on its line would open another code box.
            owe(1);
            return;
        case bk::TABLE_ENTRY:
        case bk::TABLE_HEADING_ENTRY:
            if (in_pipe_table()) {
                tables_.back().cell_depth = 0;
            }
            return;
        case bk::TABLE:
            if (!tables_.empty()) {
                if (!tables_.back().html) {
                    at_line_start_ = false;
                    owe(2);
                }
                tables_.pop_back();
            }
            return;
        default:
            return;
    }
}

RenderInline ActualRenderFactory::check(bool checked) {
    std::string text = take_lead();
    text += checked ? "[x]" : "[ ]";
    return RenderInline(std::move(text));
}

RenderInline ActualRenderFactory::divider_line() {
    std::string text = take_lead();
    text += "---";
    return RenderInline(std::move(text));
}

RenderHeadingText ActualRenderFactory::heading(const model::Heading& heading) {
    std::string start = line_opening();
    start.append(static_cast<std::size_t>(heading.level) + 1, '#');
    start += ' ';
    return RenderHeadingText(std::move(start));
}

// Raw HTML stands as it is, in a pipe table too: a reader keeps a backslash inside HTML. HTML
// that begins a line may begin an HTML block, which only a blank line ends.
RenderText ActualRenderFactory::html(std::string_view html) {
    std::string prefix;
    // The next line of the same HTML block.
    after_html_block_ = false;
    pay_owed(prefix);
    const bool html_line = html_line_;
    if (take_line_start()) {
        prefix += lead_.line();
        html_line_ = true;
    } else {
        html_line_ = html_line;
    }
    if (html_line_ && html.ends_with('\n')) {
        at_line_start_ = true;
        html_line_ = false;
        after_html_block_ = true;
    }
    return RenderText(std::move(prefix), html, Escaping::None);
}

RenderInline ActualRenderFactory::image(const kerfa_content::types::Source& source) {
    std::string text = take_lead();
    text += "![](";
    if (const auto path = source.path_string_option()) {
        text += escape::format_url(*path);
    }
    text += ')';
    return RenderInline(std::move(text));
}

// An empty line still carries the quote markers, or the quote would end there. Between the rows
// of a pipe table a line break has no place, and inside a cell it is HTML's.
RenderInline ActualRenderFactory::line_break(const model::LineBreak& line_break) {
    if (in_pipe_table()) {
        return RenderInline(in_pipe_cell() ? "<br>" : "");
    }
    std::string text;
    const bool at_line_start_before = std::exchange(at_line_start_, true);
    if (at_line_start_before) {
        text += lead_.empty_line();
    }
    at_entry_start_ = false;
    text += line_break.carriage_return ? "\r\n" : "\n";
    owed_ = owed_ > 0 ? owed_ - 1 : 0;
    after_html_block_ = false;
    if (at_line_start_before) {
        // An empty line: what ends a list or a quote for a reader.
        after_list_or_quote_ = false;
    }
    // The HTML block goes on if HTML starts the next line, as it does when its lines were read
    // back from Kerfa as HTML and line breaks; anything else starts after a blank line.
    if (std::exchange(html_line_, false)) {
        after_html_block_ = true;
    }
    return RenderInline(std::move(text));
}

RenderPropertyWrap ActualRenderFactory::property(const model::PropertyElement& element) {
    property_markup::Tags tags = property_markup::tags(element);
    RenderPropertyWrap wrap;
    wrap.start_text = take_lead();
    wrap.start_text += tags.start;
    wrap.end_text = std::move(tags.end);
    if (tags.verbatim != property_markup::Verbatim::None) {
        wrap.verbatim = &verbatim_;
        wrap.kind = tags.verbatim;
        wrap.depth = block_depth_;
    }
    return wrap;
}

RenderSectionLine ActualRenderFactory::section(const model::Section&) {
    at_line_start_ = true;
    at_entry_start_ = false;
    verbatim_.forget_from(block_depth_);
    return RenderSectionLine(at_line_start_, owed_);
}

RenderTaglineNoop ActualRenderFactory::tagline() {
    return {};
}

RenderText ActualRenderFactory::text(std::string_view text) {
    return RenderText(take_lead(), text, text_escaping());
}

}  // namespace kerfa_render_markdown::markdown_render
