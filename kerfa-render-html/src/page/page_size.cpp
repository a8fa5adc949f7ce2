#include "page/page_size.hpp"

#include "kerfa_content/utils/tree_walk.hpp"
#include "page/page_frame.hpp"

namespace kerfa_render_html::page {

using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;

namespace {

// Markup of one item: a tag pair, or an attribute with its value.
constexpr std::size_t kMarkupPerItem = 16;

std::size_t text_size(const Content& content) {
    if (const auto* text = std::get_if<Content::Text>(&content)) {
        return text->text.size();
    }
    if (const auto* html = std::get_if<Content::Html>(&content)) {
        return html->text.size();
    }
    return 0;
}

}  // namespace

std::size_t frame_size() {
    return kPageHead.size() + kStyleOpen.size() + style_sheet().size() + kStyleClose.size() +
           kPageEnd.size();
}

std::size_t estimate_page_size(std::span<const Data> items) {
    std::size_t size = frame_size();
    kerfa_content::utils::ItemWalk<> walk(items);
    while (const auto step = walk.next()) {
        if (step->event == kerfa_content::utils::WalkEvent::Exit) {
            continue;
        }
        size += kMarkupPerItem;
        if (const auto* content = step->node->as_content()) {
            const std::size_t text = text_size(*content);
            size += text + text / 8;
        }
    }
    return size;
}

}  // namespace kerfa_render_html::page
