#include "walk_container.hpp"

#include <algorithm>

#include "kerfa_content/utils/tree_walk.hpp"
#include "shared/utils/utf8.hpp"
#include "utils.hpp"

namespace kerfa_render_structure::walk_container {

namespace {

using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Data;
using kerfa_content::utils::ItemWalk;
using kerfa_content::utils::WalkEvent;

// Keys are padded by characters, not bytes: "é" counts once.
constexpr std::size_t KEY_WIDTH = 20;

// The metadata written right under a container's line.
void render_own_metadata(const Container& container, std::size_t depth, std::string& out) {
    if (const auto* document = container.as_document()) {
        render_metadata(document->metadata, depth, out);
    } else if (const auto* section = container.as_section(); section && section->metadata) {
        render_metadata(*section->metadata, depth, out);
    }
}

}  // namespace

void append(std::string_view line, std::size_t depth, std::string& out) {
    out.append(std::min(depth, MAX_WRITTEN_DEPTH) * 4, ' ');
    out += line;
    out += '\n';
}

void render_metadata(const kerfa_content::types::Metadata& metadata, std::size_t depth,
                     std::string& out) {
    if (metadata.is_empty()) {
        return;
    }
    append("[Metadata : ]", depth, out);
    for (const auto& [key, value] : metadata.data()) {
        std::string line = key;
        const std::size_t width = shared::utils::count_chars(key);
        if (width < KEY_WIDTH) {
            line.append(KEY_WIDTH - width, ' ');
        }
        line += "  ";
        line += value;
        append(line, depth + 1, out);
    }
}

void render_children(std::span<const Data> items, std::size_t depth, std::string& out) {
    ItemWalk<> walk(items);
    while (const auto step = walk.next()) {
        const std::size_t at = depth + step->depth;
        switch (step->event) {
            case WalkEvent::Enter:
                append(utils::container_description(*step->node->as_container()), at, out);
                render_own_metadata(*step->node->as_container(), at + 1, out);
                break;
            case WalkEvent::Leaf:
                append(utils::data_description(*step->node), at, out);
                break;
            case WalkEvent::Exit:
                break;
        }
    }
}

void render_contents(const Container& container, std::size_t depth, std::string& out) {
    render_own_metadata(container, depth + 1, out);
    render_children(container.children(), depth + 1, out);
}

}  // namespace kerfa_render_structure::walk_container
