#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "kerfa_content/data/kinds/value_need.hpp"

namespace kerfa_content::data::kinds {

// The kind of a block: an index into BLOCK_KINDS.
using BlockKind = std::uint16_t;

namespace block_kind {
inline constexpr BlockKind BLOCK = 0;
inline constexpr BlockKind BLOCK_QUOTE = 1;
inline constexpr BlockKind BULLET = 2;
inline constexpr BlockKind BULLET_ENTRY = 3;
inline constexpr BlockKind CARD = 4;
inline constexpr BlockKind CODEBOX = 5;
inline constexpr BlockKind INDENT = 6;
inline constexpr BlockKind TABLE = 7;
inline constexpr BlockKind TABLE_ROW = 8;
inline constexpr BlockKind TABLE_ENTRY = 9;
inline constexpr BlockKind TABLE_HEADING = 10;
inline constexpr BlockKind TABLE_HEADING_ROW = 11;
inline constexpr BlockKind TABLE_HEADING_ENTRY = 12;
inline constexpr BlockKind STANDALONE_HEADING = 13;
}  // namespace block_kind

struct BlockKindRecord {
    std::string_view name;
    BlockKind id;
    ValueNeed need;
    ValueKind value_kind;
    BlockMode mode;
};

inline constexpr std::array<BlockKindRecord, 14> BLOCK_KINDS{{
    {"block", 0, ValueNeed::Optional, ValueKind::Text, BlockMode::Default},
    {"block-quote", 1, ValueNeed::Optional, ValueKind::Color, BlockMode::Default},
    {"bullet", 2, ValueNeed::Optional, ValueKind::Bullet, BlockMode::List},
    {"bullet-entry", 3, ValueNeed::None, ValueKind::Boolean, BlockMode::Default},
    {"card", 4, ValueNeed::Optional, ValueKind::Color, BlockMode::Default},
    {"codebox", 5, ValueNeed::Optional, ValueKind::Color, BlockMode::Default},
    {"indent", 6, ValueNeed::Optional, ValueKind::Integer, BlockMode::Default},
    {"table", 7, ValueNeed::Optional, ValueKind::TableStyle, BlockMode::Table},
    {"table-row", 8, ValueNeed::None, ValueKind::Boolean, BlockMode::List},
    {"table-entry", 9, ValueNeed::None, ValueKind::Boolean, BlockMode::Default},
    {"table-heading", 10, ValueNeed::Optional, ValueKind::HeadingStyle, BlockMode::TableHeading},
    {"table-heading-row", 11, ValueNeed::None, ValueKind::Boolean, BlockMode::List},
    {"table-heading-entry", 12, ValueNeed::None, ValueKind::Boolean, BlockMode::Default},
    {"standalone-heading", 13, ValueNeed::Optional, ValueKind::HeadingStyle, BlockMode::Table},
}};

// The record of a kind; an id outside the table is an internal fault.
const BlockKindRecord& block_kind_record(BlockKind id);

// The canonical element name of a kind, e.g. "bullet-entry".
std::string_view block_kind_name(BlockKind id);

// As block_kind_name, but "unknown" for an id outside the table: for views that show any
// document, a hand-built one included.
std::string_view block_kind_name_or_unknown(BlockKind id);

}  // namespace kerfa_content::data::kinds
