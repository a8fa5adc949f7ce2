#include "text_render/actual_render_factory.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "kerfa_content/testing/model.hpp"
#include "kerfa_render_core_dynamic/modules/render_factory.hpp"

namespace kerfa_render_text::text_render {
namespace {

using namespace kerfa_content::testing;
namespace bk = kerfa_content::data::kinds::block_kind;

// The writer's factory fits the walker, and never asks it for a span's text.
static_assert(kerfa_render_core_dynamic::modules::RenderFactory<ActualRenderFactory>);
static_assert(!kerfa_render_core_dynamic::modules::wants_span_content<ActualRenderFactory>());

// What each factory operation does to the line-start flag, from either state.
TEST(TextFactory, LineStartFlagPerOperation) {
    enum Effect { Sets, Clears, Keeps };
    struct Case {
        std::string operation;
        std::function<void(ActualRenderFactory&)> call;
        Effect effect;
    };
    const model::Heading level{0};
    const kerfa_content::types::Source none;
    const model::PropertyElement bold{0, std::nullopt, false};
    const model::Section section_record;
    std::vector<Case> cases{
        {"section", [&](auto& f) { f.section(section_record); }, Sets},
        {"check", [](auto& f) { f.check(true); }, Clears},
        {"divider_line", [](auto& f) { f.divider_line(); }, Clears},
        {"html", [](auto& f) { f.html("<b>"); }, Clears},
        {"image", [&](auto& f) { f.image(none); }, Clears},
        {"text", [](auto& f) { f.text("a"); }, Clears},
        {"heading", [&](auto& f) { f.heading(level); }, Clears},
        {"property", [&](auto& f) { f.property(bold); }, Clears},
        {"line_break", [](auto& f) { f.line_break({}); }, Clears},
        {"tagline", [](auto& f) { f.tagline(); }, Keeps},
    };
    std::vector<Data> blocks;
    for (kerfa_content::data::kinds::BlockKind id = 0; id <= 14; ++id) {
        blocks.push_back(block(id));
    }
    const auto kind = [&](kerfa_content::data::kinds::BlockKind id) -> const model::Block& {
        return *blocks[id].as_container()->as_block();
    };
    for (kerfa_content::data::kinds::BlockKind id = 0; id <= 14; ++id) {
        const std::string name(kerfa_content::data::kinds::block_kind_name_or_unknown(id));
        const bool reads = id == bk::BULLET_ENTRY || id == bk::INDENT;
        cases.push_back(
            {"block " + name, [&, id](auto& f) { f.block(kind(id)); }, reads ? Clears : Keeps});
        Effect exit = Keeps;
        if (id == bk::BLOCK_QUOTE || id == bk::BULLET || id == bk::BULLET_ENTRY || id == bk::CARD ||
            id == bk::CODEBOX) {
            exit = Sets;
        } else if (id == bk::BLOCK || id == bk::TABLE_ROW || id == bk::TABLE_HEADING_ROW ||
                   id == bk::INDENT) {
            exit = Clears;
        }
        cases.push_back({"block_exit " + name, [&, id](auto& f) { f.block_exit(kind(id)); }, exit});
    }
    for (const Case& c : cases) {
        for (const bool before : {true, false}) {
            ActualRenderFactory factory;
            EXPECT_FALSE(factory.at_line_start()) << "a rendering starts with the flag clear";
            if (before) {
                factory.section(section_record);
            }
            c.call(factory);
            const bool expected = c.effect == Sets || (c.effect == Keeps && before);
            EXPECT_EQ(factory.at_line_start(), expected) << c.operation << " from " << before;
        }
    }
}

}  // namespace
}  // namespace kerfa_render_text::text_render
