#pragma once

#include <cstdint>

#include "kerfa_content/data/kinds/block_kind.hpp"

namespace kerfa_parser_kerfa::parser::state {

// The block kinds of a table-like container, of its rows and of their entries.
struct TableKinds {
    kerfa_content::data::kinds::BlockKind table;
    kerfa_content::data::kinds::BlockKind row;
    kerfa_content::data::kinds::BlockKind entry;

    bool operator==(const TableKinds&) const = default;
};

namespace table_kinds {
namespace bk = kerfa_content::data::kinds::block_kind;
inline constexpr TableKinds TABLE{bk::TABLE, bk::TABLE_ROW, bk::TABLE_ENTRY};
inline constexpr TableKinds HEADING{bk::TABLE_HEADING, bk::TABLE_HEADING_ROW,
                                    bk::TABLE_HEADING_ENTRY};
inline constexpr TableKinds STANDALONE_HEADING{bk::STANDALONE_HEADING, bk::TABLE_HEADING_ROW,
                                               bk::TABLE_HEADING_ENTRY};
}  // namespace table_kinds

}  // namespace kerfa_parser_kerfa::parser::state
