#include "kerfa_content/data/kinds/block_kind.hpp"

#include <string>

#include "shared/utils/fault.hpp"

namespace kerfa_content::data::kinds {

const BlockKindRecord& block_kind_record(BlockKind id) {
    if (id >= BLOCK_KINDS.size()) {
        shared::utils::internal_fault("block kind id out of range: " + std::to_string(id));
    }
    return BLOCK_KINDS[id];
}

std::string_view block_kind_name(BlockKind id) {
    return block_kind_record(id).name;
}

std::string_view block_kind_name_or_unknown(BlockKind id) {
    return id < BLOCK_KINDS.size() ? BLOCK_KINDS[id].name : "unknown";
}

}  // namespace kerfa_content::data::kinds
