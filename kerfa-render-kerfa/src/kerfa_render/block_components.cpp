#include "kerfa_render/block_components.hpp"

#include <algorithm>

#include <fmt/format.h>

#include "kerfa_content/data/kinds/block_kind.hpp"

namespace kerfa_render_kerfa::kerfa_render {

namespace {

using kerfa_content::data::structure::Data;
namespace block_kind = kerfa_content::data::kinds::block_kind;

void element_start(std::string_view name, const Block& block, AttributeForm form,
                   std::string& out) {
    out += '<';
    out += name;
    if (block.attributes) {
        kerfa_render_kerfa::utils::append_attributes(*block.attributes, form, out);
    }
    out += '>';
}

// Long form: a line break directly among the entry's items.
bool is_long_entry(const Block& entry) {
    return std::ranges::any_of(entry.children,
                               [](const Data& item) { return item.as_line_break() != nullptr; });
}

// Whether the canonical writer writes nothing at all for the entry's items: invalid elements,
// terminators and empty texts only.
bool writes_nothing(const Block& entry) {
    return std::ranges::all_of(entry.children, [](const Data& item) {
        if (item.is_terminator()) {
            return true;
        }
        if (const auto* property = item.as_property()) {
            return property->as_invalid() != nullptr;
        }
        if (const auto* content = item.as_content()) {
            const auto* text = std::get_if<kerfa_content::data::structure::Content::Text>(content);
            return text != nullptr && text->text.empty();
        }
        return false;
    });
}

// A separator followed by nothing at the end of a row reads back as no entry at all.
void close_row(const Block& row, std::string& out) {
    if (row.children.size() < 2) {
        return;
    }
    const auto* container = row.children.back().as_container();
    const Block* last = container != nullptr ? container->as_block() : nullptr;
    if (last == nullptr ||
        (last->id != block_kind::TABLE_ENTRY && last->id != block_kind::TABLE_HEADING_ENTRY)) {
        return;
    }
    if (!is_long_entry(*last) && writes_nothing(*last)) {
        out += "<col><>";
    }
}

void entry_start(const Block& entry, std::string& out) {
    if (is_long_entry(entry)) {
        out += "<col>";
    }
}

void entry_end(const Block& entry, std::string& out) {
    if (is_long_entry(entry)) {
        out += "<>";
    }
}

// Before an entry in short form only.
void entry_between_start(const Block& entry, std::string& out) {
    if (!is_long_entry(entry)) {
        out += "<|>";
    }
}

// An entry in short form that writes nothing leaves no trace in the text; before an entry in long
// form it would be lost, so the separator is written there too.
void entry_between_start_after(const Block& entry, const Data& previous, std::string& out) {
    if (!is_long_entry(entry)) {
        out += "<|>";
        return;
    }
    const auto* container = previous.as_container();
    const Block* before = container != nullptr ? container->as_block() : nullptr;
    if (before != nullptr &&
        (before->id == block_kind::TABLE_ENTRY || before->id == block_kind::TABLE_HEADING_ENTRY) &&
        !is_long_entry(*before) && writes_nothing(*before)) {
        out += "<|>";
    }
}

}  // namespace

std::string RenderActualBlock::debug_text() const {
    return fmt::format("RenderActualBlock {{ name: \"{}\" }}", name_);
}

void RenderActualBlock::start(const Block& block, std::string& out) const {
    element_start(name_, block, form_, out);
}

void RenderActualBlock::end(const Block&, std::string& out) const {
    out += "<>";
}

void RenderActualBulletEntry::between_start(const Block&, std::string& out) const {
    out += '\n';
}

void RenderActualTableRow::end(const Block& block, std::string& out) const {
    close_row(block, out);
}

void RenderActualTableRow::between_end(const Block&, std::string& out) const {
    out += '\n';
}

void RenderActualTableEntry::start(const Block& block, std::string& out) const {
    entry_start(block, out);
}

void RenderActualTableEntry::end(const Block& block, std::string& out) const {
    entry_end(block, out);
}

void RenderActualTableEntry::between_start(const Block& block, std::string& out) const {
    entry_between_start(block, out);
}

void RenderActualTableEntry::between_start_after(const Block& block, const Data& previous,
                                                 std::string& out) const {
    entry_between_start_after(block, previous, out);
}

void RenderActualTableHeading::start(const Block& block, std::string& out) const {
    element_start(name_, block, AttributeForm::Full, out);
}

void RenderActualTableHeading::end(const Block&, std::string& out) const {
    out += "<>";
}

void RenderActualTableHeading::between_end(const Block&, std::string& out) const {
    out += '\n';
}

}  // namespace kerfa_render_kerfa::kerfa_render
