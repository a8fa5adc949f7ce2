#include "text_render/actual_render_factory.hpp"

#include <algorithm>
#include <limits>
#include <utility>

#include <fmt/format.h>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/utils/block.hpp"
#include "shared/components/trace/trace_log.hpp"

namespace kerfa_render_text::text_render {

namespace {

namespace bk = kerfa_content::data::kinds::block_kind;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::attributes::BulletStyle;
using kerfa_render_core_dynamic::components::RenderElementBlock;
using kerfa_render_core_dynamic::components::RenderNoopBlock;
using kerfa_render_core_dynamic::components::RenderNoopProperty;
using kerfa_render_core_dynamic::components::RenderPart;
using kerfa_render_core_dynamic::components::WrappedElementBlock;

// Quotes, cards and code boxes stand on lines of their own.
const RenderElementBlock& default_block() {
    static const RenderElementBlock block{
        {RenderPart::text("\n")}, {RenderPart::text("\n")}, {}, {}};
    return block;
}

const Attribute* first_attribute(const model::Block& block) {
    if (!block.attributes || block.attributes->empty()) {
        return nullptr;
    }
    return &block.attributes->front();
}

// a + b, saturated to the indent range.
std::int64_t steps(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        sum = a > 0 ? std::numeric_limits<std::int64_t>::max()
                    : std::numeric_limits<std::int64_t>::min();
    }
    return std::clamp<std::int64_t>(sum, 0, kMaxIndentSteps);
}

std::string spaces(std::int64_t steps) {
    return std::string(static_cast<std::size_t>(steps) * 2, ' ');
}

void report_missing(const model::Block& block) {
    shared::components::trace::log_error(
        fmt::format("Missing block: {} - {}.", block.id,
                    kerfa_content::data::kinds::block_kind_name_or_unknown(block.id)));
}

}  // namespace

std::unique_ptr<modules::RenderBlock> ActualRenderFactory::block(const model::Block& block) {
    switch (block.id) {
        case bk::BLOCK:
        case bk::TABLE:
        case bk::STANDALONE_HEADING:
            return RenderNoopBlock::boxed();
        case bk::BLOCK_QUOTE:
        case bk::CARD:
        case bk::CODEBOX:
            return WrappedElementBlock(block, default_block()).boxed();
        case bk::BULLET: {
            types::NextBullet bullet{kerfa_content::utils::bullet_start(block).value_or(1),
                                     BulletStyle::Disc};
            if (const Attribute* first = first_attribute(block)) {
                if (const auto* style = std::get_if<Attribute::Bullet>(first)) {
                    bullet.style = style->style;
                }
            }
            bullets_.push_back(bullet);
            return RenderNoopBlock::boxed();
        }
        case bk::BULLET_ENTRY:
            return bullet_entry();
        case bk::INDENT:
            return indent(block);
        case bk::TABLE_ROW:
        case bk::TABLE_HEADING_ROW:
            return std::make_unique<component::RenderActualTableRow>();
        case bk::TABLE_ENTRY:
        case bk::TABLE_HEADING_ENTRY:
            return std::make_unique<component::RenderActualTableEntry>();
        case bk::TABLE_HEADING:
            return std::make_unique<component::RenderActualTableHeading>();
        default:
            report_missing(block);
            return RenderNoopBlock::boxed();
    }
}

// The label, after the whole prefix when the entry begins a fresh line.
std::unique_ptr<modules::RenderBlock> ActualRenderFactory::bullet_entry() {
    std::string label;
    if (std::exchange(at_line_start_, false)) {
        label = spaces(static_cast<std::int64_t>(prefix_steps()));
    }
    label += bullets_.empty() ? std::string("\u2022") : bullets_.back().next();
    return std::make_unique<component::RenderActualBulletEntry>(std::move(label));
}

// Pushes the absolute steps; writes them all at a fresh line, else only its own (a line break
// has already written the enclosing prefix).
std::unique_ptr<modules::RenderBlock> ActualRenderFactory::indent(const model::Block& block) {
    std::int64_t own = 1;
    if (const Attribute* first = first_attribute(block)) {
        if (const auto* value = std::get_if<Attribute::Integer>(first)) {
            own = value->value;
        }
    }
    const std::int64_t enclosing = indents_.empty() ? 0 : indents_.back();
    const bool fresh_line = std::exchange(at_line_start_, false);
    const std::int64_t absolute = steps(enclosing, own);
    indents_.push_back(absolute);
    return std::make_unique<component::RenderActualIndent>(
        spaces(steps(own, fresh_line ? enclosing : 0)));
}

void ActualRenderFactory::block_exit(const model::Block& block) {
    switch (block.id) {
        case bk::BLOCK_QUOTE:
        case bk::CARD:
        case bk::CODEBOX:
        case bk::BULLET_ENTRY:
            at_line_start_ = true;
            return;
        case bk::BULLET:
            if (!bullets_.empty()) {
                bullets_.pop_back();
            }
            at_line_start_ = true;
            return;
        case bk::INDENT:
            if (!indents_.empty()) {
                indents_.pop_back();
            }
            at_line_start_ = false;
            return;
        case bk::BLOCK:
        case bk::TABLE_ROW:
        case bk::TABLE_HEADING_ROW:
            at_line_start_ = false;
            return;
        case bk::TABLE:
        case bk::STANDALONE_HEADING:
        case bk::TABLE_ENTRY:
        case bk::TABLE_HEADING_ENTRY:
        case bk::TABLE_HEADING:
            return;
        default:
            report_missing(block);
            return;
    }
}

std::size_t ActualRenderFactory::prefix_steps() const {
    return indents_.empty() ? 0 : static_cast<std::size_t>(indents_.back());
}

component::RenderActualCheck ActualRenderFactory::check(bool checked) {
    at_line_start_ = false;
    return component::RenderActualCheck(checked);
}

component::RenderActualDividerLine ActualRenderFactory::divider_line() {
    at_line_start_ = false;
    return {};
}

component::RenderActualHeading ActualRenderFactory::heading(const model::Heading& heading) {
    at_line_start_ = false;
    return component::RenderActualHeading(heading);
}

component::RenderActualHtml ActualRenderFactory::html(std::string_view html) {
    at_line_start_ = false;
    return component::RenderActualHtml(html);
}

component::RenderActualImage ActualRenderFactory::image(
    const kerfa_content::types::Source& source) {
    at_line_start_ = false;
    return component::RenderActualImage(source);
}

component::RenderActualLineBreak ActualRenderFactory::line_break(
    const model::LineBreak& line_break) {
    at_line_start_ = false;
    return component::RenderActualLineBreak(prefix_steps(), line_break);
}

RenderNoopProperty ActualRenderFactory::property(const model::PropertyElement&) {
    at_line_start_ = false;
    return {};
}

component::RenderActualSection ActualRenderFactory::section(const model::Section&) {
    at_line_start_ = true;
    return {};
}

component::RenderActualTagline ActualRenderFactory::tagline() {
    return {};
}

component::RenderActualText ActualRenderFactory::text(std::string_view text) {
    at_line_start_ = false;
    return component::RenderActualText(text);
}

}  // namespace kerfa_render_text::text_render
