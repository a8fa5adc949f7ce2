#include "html_render/definitions/tables.hpp"

#include <array>
#include <cstdint>
#include <string_view>

#include "html_render/block_components.hpp"
#include "html_render/templates.hpp"
#include "kerfa_content/data/kinds/block_kind.hpp"
#include "shared/utils/fault.hpp"

namespace kerfa_render_html::html_render::definitions {

namespace kinds = kerfa_content::data::kinds;
namespace block_kind = kerfa_content::data::kinds::block_kind;

namespace {

enum class Markup : std::uint8_t {
    Element,                    // block_element NAME
    DivOptionalClass,           // block_div_optional_class NAME
    DivOptionalColorProperty,   // block_div_optional_color_property NAME PROPERTY
    ElementOptionalBackground,  // block_element_optional_background NAME PROPERTY
    Bullet,
    Indent,
    Table,
    TableRow,
    TableEntry,
    TableHeading,
    TableHeadingRow,
    TableHeadingEntry,
    StandaloneHeading,
};

struct BlockRow {
    kinds::BlockKind id;
    Markup markup;
    std::string_view name;
    std::string_view property;
};

constexpr std::array<BlockRow, kinds::BLOCK_KINDS.size()> kBlockRows{{
    {block_kind::BLOCK, Markup::DivOptionalClass, "block", ""},
    {block_kind::BLOCK_QUOTE, Markup::ElementOptionalBackground, "blockquote", "border-color"},
    {block_kind::BULLET, Markup::Bullet, "", ""},
    {block_kind::BULLET_ENTRY, Markup::Element, "li", ""},
    {block_kind::CARD, Markup::DivOptionalColorProperty, "card", "background-color"},
    {block_kind::CODEBOX, Markup::DivOptionalColorProperty, "codebox", "background-color"},
    {block_kind::INDENT, Markup::Indent, "", ""},
    {block_kind::TABLE, Markup::Table, "", ""},
    {block_kind::TABLE_ROW, Markup::TableRow, "", ""},
    {block_kind::TABLE_ENTRY, Markup::TableEntry, "", ""},
    {block_kind::TABLE_HEADING, Markup::TableHeading, "", ""},
    {block_kind::TABLE_HEADING_ROW, Markup::TableHeadingRow, "", ""},
    {block_kind::TABLE_HEADING_ENTRY, Markup::TableHeadingEntry, "", ""},
    {block_kind::STANDALONE_HEADING, Markup::StandaloneHeading, "", ""},
}};

BlockComponent make(const BlockRow& row) {
    switch (row.markup) {
        case Markup::Element:
            return block_element(row.name);
        case Markup::DivOptionalClass:
            return block_div_optional_class(row.name);
        case Markup::DivOptionalColorProperty:
            return block_div_optional_color_property(row.name, row.property);
        case Markup::ElementOptionalBackground:
            return block_element_optional_background(row.name, row.property);
        case Markup::Bullet:
            return std::make_unique<RenderActualBullet>();
        case Markup::Indent:
            return std::make_unique<RenderActualIndent>();
        case Markup::Table:
            return std::make_unique<RenderActualTable>();
        case Markup::TableRow:
            return std::make_unique<RenderActualTableRow>();
        case Markup::TableEntry:
            return std::make_unique<RenderActualTableEntry>();
        case Markup::TableHeading:
            return std::make_unique<RenderActualTableHeading>();
        case Markup::TableHeadingRow:
            return std::make_unique<RenderActualTableHeadingRow>();
        case Markup::TableHeadingEntry:
            return std::make_unique<RenderActualTableHeadingEntry>();
        case Markup::StandaloneHeading:
            return std::make_unique<RenderActualStandaloneHeading>();
    }
    shared::utils::internal_fault("HTML block table row without markup");
}

}  // namespace

std::vector<BlockComponent> all_blocks() {
    std::vector<BlockComponent> blocks;
    blocks.reserve(kBlockRows.size());
    for (std::size_t id = 0; id < kBlockRows.size(); ++id) {
        if (kBlockRows[id].id != id) {
            shared::utils::internal_fault("HTML block table out of kind order");
        }
        blocks.push_back(make(kBlockRows[id]));
    }
    return blocks;
}

}  // namespace kerfa_render_html::html_render::definitions
