#include "kerfa_content/data/attributes/bullet_style.hpp"

#include <string>

#include "shared/utils/fault.hpp"

namespace kerfa_content::data::attributes {

std::string_view name(BulletStyle style) {
    const auto value = static_cast<std::size_t>(style);
    if (value >= BULLET_STYLE_NAMES.size()) {
        shared::utils::internal_fault("bullet style out of range: " + std::to_string(value));
    }
    return BULLET_STYLE_NAMES[value];
}

bool is_ordered(BulletStyle style) {
    return style >= BulletStyle::Decimal && style <= BulletStyle::UpperRoman;
}

std::optional<BulletStyle> bullet_style_from_value(std::uint8_t value) {
    if (value >= BULLET_STYLE_NAMES.size()) {
        return std::nullopt;
    }
    return static_cast<BulletStyle>(value);
}

}  // namespace kerfa_content::data::attributes
