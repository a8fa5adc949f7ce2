#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_render_core_dynamic/components/stock.hpp"
#include "kerfa_render_core_dynamic/modules/components.hpp"
#include "text_render/components.hpp"
#include "types/next_bullet.hpp"

namespace kerfa_render_text::text_render {

namespace model = kerfa_content::data::types;
namespace modules = kerfa_render_core_dynamic::modules;

// The most two-space steps an indent may reach; wider requests are cut to it, negative ones to 0.
inline constexpr std::int64_t kMaxIndentSteps = 1024;

// The plain-text writer's factory: one per rendering. It keeps the open indents (each one's
// absolute steps; its prefix is two spaces per step), the open lists' label makers, and whether
// the output stands at a fresh line whose indentation prefix is still missing (bullet entries and
// indents read that, to write the full prefix there).
class ActualRenderFactory {
  public:
    std::unique_ptr<modules::RenderBlock> block(const model::Block& block);
    void block_exit(const model::Block& block);
    component::RenderActualCheck check(bool checked);
    component::RenderActualDividerLine divider_line();
    component::RenderActualHeading heading(const model::Heading& heading);
    component::RenderActualHtml html(std::string_view html);
    component::RenderActualImage image(const kerfa_content::types::Source& source);
    component::RenderActualLineBreak line_break(const model::LineBreak& line_break);
    kerfa_render_core_dynamic::components::RenderNoopProperty property(
        const model::PropertyElement& element);
    component::RenderActualSection section(const model::Section& section);
    component::RenderActualTagline tagline();
    component::RenderActualText text(std::string_view text);

    bool at_line_start() const { return at_line_start_; }

  private:
    std::unique_ptr<modules::RenderBlock> bullet_entry();
    std::unique_ptr<modules::RenderBlock> indent(const model::Block& block);

    // The innermost indent's steps: what its prefix is made of.
    std::size_t prefix_steps() const;

    std::vector<std::int64_t> indents_;
    std::vector<types::NextBullet> bullets_;
    bool at_line_start_ = false;
};

}  // namespace kerfa_render_text::text_render
