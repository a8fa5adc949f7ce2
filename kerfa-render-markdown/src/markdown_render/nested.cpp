#include "markdown_render/nested.hpp"

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/utils/tree_walk.hpp"

namespace kerfa_render_markdown::markdown_render::nested {

bool contains_table(std::span<const kerfa_content::data::structure::Data> items) {
    kerfa_content::utils::ItemWalk<> walk(items);
    while (const auto step = walk.next()) {
        if (step->event != kerfa_content::utils::WalkEvent::Enter) {
            continue;
        }
        const auto* block = step->node->as_container()->as_block();
        if (block == nullptr) {
            walk.skip_children();
        } else if (block->id == kerfa_content::data::kinds::block_kind::TABLE) {
            return true;
        }
    }
    return false;
}

}  // namespace kerfa_render_markdown::markdown_render::nested
