#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "kerfa_content/data/kinds/value_need.hpp"

namespace kerfa_content::data::kinds {

// The kind of an inline property: an index into PROPERTY_KINDS.
using PropertyKind = std::uint16_t;

namespace property_kind {
inline constexpr PropertyKind BOLD = 0;
inline constexpr PropertyKind CAUTION = 1;
inline constexpr PropertyKind CODE = 2;
inline constexpr PropertyKind DIM = 3;
inline constexpr PropertyKind FONT_NAME = 4;
inline constexpr PropertyKind FONT_SIZE = 5;
inline constexpr PropertyKind HIGHLIGHT = 6;
inline constexpr PropertyKind IMPORTANT = 7;
inline constexpr PropertyKind ITALIC = 8;
inline constexpr PropertyKind MONOSPACE = 9;
inline constexpr PropertyKind NOTE = 10;
inline constexpr PropertyKind SMALL = 11;
inline constexpr PropertyKind STRIKETHROUGH = 12;
inline constexpr PropertyKind SUBSCRIPT = 13;
inline constexpr PropertyKind SUPERSCRIPT = 14;
inline constexpr PropertyKind UNDERLINE = 15;
inline constexpr PropertyKind VARIABLE = 16;
inline constexpr PropertyKind WARNING = 17;
inline constexpr PropertyKind TAG = 18;
inline constexpr PropertyKind BACKGROUND = 19;
inline constexpr PropertyKind BADGE = 20;
inline constexpr PropertyKind COLOR = 21;
inline constexpr PropertyKind ADDRESS = 22;
inline constexpr PropertyKind COORDINATES = 23;
inline constexpr PropertyKind DOCUMENT = 24;
inline constexpr PropertyKind DOCUMENT_FILTER = 25;  // "document?"
inline constexpr PropertyKind DOCUMENT_SELECT = 26;  // "document#"
inline constexpr PropertyKind EMAIL = 27;
inline constexpr PropertyKind LINK = 28;
inline constexpr PropertyKind TELEPHONE = 29;
inline constexpr PropertyKind FIXED = 30;
}  // namespace property_kind

struct PropertyKindRecord {
    std::string_view name;
    PropertyKind id;
    ValueNeed need;
    ValueKind value_kind;
};

inline constexpr std::array<PropertyKindRecord, 31> PROPERTY_KINDS{{
    {"bold", 0, ValueNeed::None, ValueKind::Boolean},
    {"caution", 1, ValueNeed::None, ValueKind::Boolean},
    {"code", 2, ValueNeed::None, ValueKind::Boolean},
    {"dim", 3, ValueNeed::None, ValueKind::Boolean},
    {"font-name", 4, ValueNeed::Required, ValueKind::Text},
    {"font-size", 5, ValueNeed::Required, ValueKind::Text},
    {"highlight", 6, ValueNeed::None, ValueKind::Boolean},
    {"important", 7, ValueNeed::None, ValueKind::Boolean},
    {"italic", 8, ValueNeed::None, ValueKind::Boolean},
    {"monospace", 9, ValueNeed::None, ValueKind::Boolean},
    {"note", 10, ValueNeed::None, ValueKind::Boolean},
    {"small", 11, ValueNeed::None, ValueKind::Boolean},
    {"strikethrough", 12, ValueNeed::None, ValueKind::Boolean},
    {"subscript", 13, ValueNeed::None, ValueKind::Boolean},
    {"superscript", 14, ValueNeed::None, ValueKind::Boolean},
    {"underline", 15, ValueNeed::None, ValueKind::Boolean},
    {"variable", 16, ValueNeed::None, ValueKind::Boolean},
    {"warning", 17, ValueNeed::None, ValueKind::Boolean},
    {"tag", 18, ValueNeed::None, ValueKind::Boolean},
    {"background", 19, ValueNeed::Required, ValueKind::Color},
    {"badge", 20, ValueNeed::Required, ValueKind::Color},
    {"color", 21, ValueNeed::Required, ValueKind::Color},
    {"address", 22, ValueNeed::Content, ValueKind::Text},
    {"coordinates", 23, ValueNeed::Content, ValueKind::Text},
    {"document", 24, ValueNeed::Content, ValueKind::DocumentLink},
    {"document?", 25, ValueNeed::Content, ValueKind::Text},
    {"document#", 26, ValueNeed::Content, ValueKind::Text},
    {"email", 27, ValueNeed::Content, ValueKind::Text},
    {"link", 28, ValueNeed::Content, ValueKind::Text},
    {"telephone", 29, ValueNeed::Content, ValueKind::Text},
    {"fixed", 30, ValueNeed::None, ValueKind::Boolean},
}};

// The record of a kind; an id outside the table is an internal fault.
const PropertyKindRecord& property_kind_record(PropertyKind id);

// The canonical element name of a kind, e.g. "document?".
std::string_view property_kind_name(PropertyKind id);

// As property_kind_name, but "unknown" for an id outside the table.
std::string_view property_kind_name_or_unknown(PropertyKind id);

}  // namespace kerfa_content::data::kinds
