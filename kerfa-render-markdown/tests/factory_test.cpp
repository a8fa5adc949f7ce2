#include "markdown_render/actual_render_factory.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "kerfa_content/testing/model.hpp"
#include "kerfa_render_core_dynamic/modules/render_factory.hpp"

namespace kerfa_render_markdown::markdown_render {
namespace {

using namespace kerfa_content::testing;
namespace bk = kerfa_content::data::kinds::block_kind;

// The writer's factory fits the walker, and never asks it for a span's text.
static_assert(kerfa_render_core_dynamic::modules::RenderFactory<ActualRenderFactory>);
static_assert(!kerfa_render_core_dynamic::modules::wants_span_content<ActualRenderFactory>());

// Which operations set the line start, take it (writing the lead when it was set), clear it
// without a lead, or leave it; inside one quote, whose lead is "> ".
TEST(MarkdownFactory, LineStartPerOperation) {
    // OpensLine: takes it, and sets it again for the first line inside (a code box). BeginsLine:
    // ends the line it follows and leaves the lead to what comes first (a pipe table).
    enum Effect { Sets, Takes, OpensLine, BeginsLine, Clears, Leaves };
    struct Case {
        std::string operation;
        // Makes the component and writes what it writes first.
        std::function<std::string(ActualRenderFactory&)> call;
        Effect effect;
    };
    const model::Heading level{0};
    const kerfa_content::types::Source none;
    const model::PropertyElement bold{0, std::nullopt, false};
    const model::Section section_record;
    const auto rendered = [](const auto& component) {
        std::string out;
        component.render(out);
        return out;
    };
    const auto started = [](const auto& component) {
        std::string out;
        component.start(out);
        return out;
    };
    std::vector<Case> cases{
        {"line_break", [&](auto& f) { return rendered(f.line_break({})); }, Sets},
        {"section", [&](auto& f) { return f.section(section_record), std::string("\n"); }, Sets},
        {"check", [&](auto& f) { return rendered(f.check(false)); }, Takes},
        {"divider_line", [&](auto& f) { return rendered(f.divider_line()); }, Takes},
        {"html", [&](auto& f) { return rendered(f.html("<b>")); }, Takes},
        {"image", [&](auto& f) { return rendered(f.image(none)); }, Takes},
        {"text", [&](auto& f) { return rendered(f.text("a")); }, Takes},
        {"heading", [&](auto& f) { return started(f.heading(level)); }, Takes},
        {"property", [&](auto& f) { return started(f.property(bold)); }, Takes},
        {"tagline", [&](auto& f) { return started(f.tagline()); }, Leaves},
    };
    std::vector<Data> blocks;
    for (kerfa_content::data::kinds::BlockKind id = 0; id <= 14; ++id) {
        blocks.push_back(block(id));
    }
    const auto kind = [&](kerfa_content::data::kinds::BlockKind id) -> const model::Block& {
        return *blocks[id].as_container()->as_block();
    };
    for (kerfa_content::data::kinds::BlockKind id = 0; id <= 14; ++id) {
        Effect effect = Leaves;
        if (id == bk::CARD || id == bk::TABLE_ROW || id == bk::TABLE_HEADING_ROW) {
            effect = Takes;
        } else if (id == bk::TABLE) {
            effect = BeginsLine;
        } else if (id == bk::CODEBOX) {
            effect = OpensLine;
        } else if (id >= bk::TABLE && id <= bk::TABLE_HEADING_ENTRY) {
            effect = Clears;
        }
        const std::string name(kerfa_content::data::kinds::block_kind_name_or_unknown(id));
        // Quotes and entries are read on their own below.
        if (id != bk::BLOCK_QUOTE && id != bk::BULLET_ENTRY) {
            cases.push_back(
                {"block " + name, [&, id](auto& f) { return started(f.block(kind(id))); }, effect});
        }
        cases.push_back({"block_exit " + name,
                         [&, id](auto& f) { return f.block_exit(kind(id)), std::string(); },
                         Leaves});
    }
    for (const Case& c : cases) {
        for (const bool before : {true, false}) {
            ActualRenderFactory factory;
            EXPECT_TRUE(factory.at_line_start()) << "a rendering starts at a line start";
            factory.block(kind(bk::BLOCK_QUOTE));
            if (!before) {
                factory.text("x");
            }
            const std::string written = c.call(factory);
            const bool expected = c.effect == Sets || c.effect == OpensLine ||
                                  c.effect == BeginsLine || (c.effect == Leaves && before);
            EXPECT_EQ(factory.at_line_start(), expected) << c.operation << " from " << before;
            if (c.effect == Takes || c.effect == OpensLine) {
                EXPECT_EQ(written.starts_with("> "), before) << c.operation << ": " << written;
            }
            if (c.effect == Clears || c.effect == BeginsLine) {
                EXPECT_FALSE(written.starts_with("> ")) << c.operation;
            }
        }
    }
}

// A list entry always begins a line of its own: a line feed when the line start was clear, the
// lead in either case.
TEST(MarkdownFactory, AnEntryBeginsALineOfItsOwn) {
    const auto quote = block(bk::BLOCK_QUOTE);
    const auto entry = block(bk::BULLET_ENTRY);
    for (const bool before : {true, false}) {
        ActualRenderFactory factory;
        factory.block(*quote.as_container()->as_block());
        if (!before) {
            factory.text("x");
        }
        std::string out;
        factory.block(*entry.as_container()->as_block()).start(out);
        EXPECT_EQ(out, before ? "> - " : "\n> - ");
        EXPECT_FALSE(factory.at_line_start());
    }
}

}  // namespace
}  // namespace kerfa_render_markdown::markdown_render
