#include "kerfa_render/block_components.hpp"

#include <fmt/format.h>

#include "utils/attributes.hpp"

namespace kerfa_render_kerfa_v1::kerfa_render {

std::string RenderActualBlock::debug_text() const {
    return fmt::format("RenderActualBlock {{ name: \"{}\" }}", name_);
}

void RenderActualBlock::start(const Block& block, std::string& out) const {
    out += '<';
    out += name_;
    if (block.attributes) {
        utils::append_attributes(*block.attributes, out);
    }
    out += '>';
}

void RenderActualBlock::end(const Block&, std::string& out) const {
    out += "<>";
}

void RenderActualBulletEntry::between_start(const Block&, std::string& out) const {
    out += '\n';
}

void RenderActualIndent::start(const Block& block, std::string& out) const {
    out += "<in-";
    if (block.attributes && !block.attributes->empty()) {
        out += block.attributes->front().value();
    } else {
        out += '1';
    }
    out += '>';
}

void RenderActualIndent::end(const Block&, std::string& out) const {
    out += "<>";
}

void RenderActualTableRow::between_end(const Block&, std::string& out) const {
    out += '\n';
}

void RenderActualTableEntry::start(const Block& block, std::string& out) const {
    out += open_;
    if (block.children.empty()) {
        out += ' ';
    }
}

void RenderActualTableEntry::end(const Block&, std::string& out) const {
    out += close_;
}

}  // namespace kerfa_render_kerfa_v1::kerfa_render
