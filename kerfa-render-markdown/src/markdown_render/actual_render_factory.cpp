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

}  // namespace

bool ActualRenderFactory::take_line_start() {
    at_entry_start_ = false;
    return std::exchange(at_line_start_, false);
}

std::string ActualRenderFactory::take_lead() {
    std::string text;
    if (take_line_start()) {
        lead().append_to(text);
    }
    return text;
}

std::string ActualRenderFactory::line_opening(bool whole_lines) {
    const bool new_line = whole_lines ? !at_line_start_ : follows_text();
    std::string text;
    if (take_line_start() || new_line) {
        text = new_line ? "\n" : "";
        lead().append_to(text);
    }
    return text;
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
            ++quote_depth_;
            if (follows_text()) {
                // The markers go on a line of their own, written by whatever comes first.
                wrap.start_text = "\n";
                at_line_start_ = true;
            }
            break;
        case bk::BULLET:
            bullets_.push_back(list_labels(block));
            break;
        case bk::BULLET_ENTRY:
            if (!std::exchange(at_line_start_, false)) {
                wrap.start_text = "\n";
            }
            lead().append_to(wrap.start_text);
            wrap.start_text += bullets_.empty() ? std::string("-") : bullets_.back().next();
            wrap.start_text += ' ';
            at_entry_start_ = true;
            break;
        case bk::CARD:
            wrap.start_text = take_lead();
            wrap.start_text += kCardStart;
            wrap.end_text = "</div>";
            break;
        case bk::CODEBOX:
            ++code_depth_;
            // Every line of code carries the lead, the first and the closing fence too.
            wrap.start_text = line_opening(true) + "```\n";
            lead().append_empty_line_to(wrap.owed_lead);
            wrap.end_text = "\n";
            lead().append_to(wrap.end_text);
            wrap.end_text += "```";
            wrap.line_start = &at_line_start_;
            at_line_start_ = true;
            break;
        case bk::INDENT:
            ++indent_depth_;
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

void ActualRenderFactory::table_block(const model::Block& block, RenderBlockWrap& wrap) {
    if (block.id == bk::TABLE) {
        const bool html =
            (!tables_.empty() && tables_.back()) || nested::contains_table(block.children);
        if (html) {
            wrap.start_text = "<table>\n";
            wrap.end_text = "</table>";
        } else if (!at_line_start_) {
            wrap.start_text = "\n";
        }
        tables_.push_back(html);
        take_line_start();
        return;
    }
    take_line_start();
    const bool html = !tables_.empty() && tables_.back();
    switch (block.id) {
        case bk::TABLE_ROW:
            if (html) {
                wrap.start_text = "<tr>";
                wrap.end_text = "</tr>\n";
            } else {
                wrap.start_text = "| ";
                wrap.end_text = " |";
                wrap.between_start_text = "\n";
            }
            return;
        case bk::TABLE_HEADING_ROW:
            if (html) {
                wrap.start_text = "<tr>";
                wrap.end_text = "</tr>\n";
            } else {
                wrap.start_text = "| ";
                wrap.end_text = " |\n|";
                for (std::size_t i = 0; i < std::max<std::size_t>(1, block.children.size()); ++i) {
                    wrap.end_text += " --- |";
                }
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

void ActualRenderFactory::block_exit(const model::Block& block) {
    block_depth_ = block_depth_ > 0 ? block_depth_ - 1 : 0;
    verbatim_.forget_from(block_depth_ + 1);
    switch (block.id) {
        case bk::BLOCK_QUOTE:
            quote_depth_ = quote_depth_ > 0 ? quote_depth_ - 1 : 0;
            return;
        case bk::BULLET:
            if (!bullets_.empty()) {
                bullets_.pop_back();
            }
            return;
        case bk::CODEBOX:
            code_depth_ = code_depth_ > 0 ? code_depth_ - 1 : 0;
            return;
        case bk::INDENT:
            indent_depth_ = indent_depth_ > 0 ? indent_depth_ - 1 : 0;
            return;
        case bk::TABLE:
            if (!tables_.empty()) {
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
    std::string start = line_opening(false);
    start.append(static_cast<std::size_t>(heading.level) + 1, '#');
    start += ' ';
    return RenderHeadingText(std::move(start));
}

// Raw HTML stands as it is, in a pipe table too: a reader keeps a backslash inside HTML.
RenderText ActualRenderFactory::html(std::string_view html) {
    const bool was = take_line_start();
    return RenderText(was ? lead() : Lead{}, html, Escaping::None);
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

// An empty line still carries the quote markers, or the quote would end there.
RenderInline ActualRenderFactory::line_break(const model::LineBreak& line_break) {
    std::string text;
    if (std::exchange(at_line_start_, true)) {
        lead().append_empty_line_to(text);
    }
    at_entry_start_ = false;
    text += line_break.carriage_return ? "\r\n" : "\n";
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
    return RenderSectionLine(at_line_start_);
}

RenderTaglineNoop ActualRenderFactory::tagline() {
    return {};
}

RenderText ActualRenderFactory::text(std::string_view text) {
    const bool was = take_line_start();
    return RenderText(was ? lead() : Lead{}, text, text_escaping());
}

}  // namespace kerfa_render_markdown::markdown_render
