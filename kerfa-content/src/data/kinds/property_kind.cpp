#include "kerfa_content/data/kinds/property_kind.hpp"

#include <string>

#include "shared/utils/fault.hpp"

namespace kerfa_content::data::kinds {

const PropertyKindRecord& property_kind_record(PropertyKind id) {
    if (id >= PROPERTY_KINDS.size()) {
        shared::utils::internal_fault("property kind id out of range: " + std::to_string(id));
    }
    return PROPERTY_KINDS[id];
}

std::string_view property_kind_name(PropertyKind id) {
    return property_kind_record(id).name;
}

std::string_view property_kind_name_or_unknown(PropertyKind id) {
    return id < PROPERTY_KINDS.size() ? PROPERTY_KINDS[id].name : "unknown";
}

}  // namespace kerfa_content::data::kinds
