#include "markdown_render/next_bullet.hpp"

#include <fmt/format.h>

namespace kerfa_render_markdown::markdown_render::next_bullet {

std::string NextBullet::next() {
    using kerfa_content::data::attributes::BulletStyle;
    if (style != BulletStyle::Decimal && style != BulletStyle::DecimalLeadingZero) {
        return "-";
    }
    std::string label = fmt::format("{}.", counter);
    counter = static_cast<std::int64_t>(static_cast<std::uint64_t>(counter) + 1);
    return label;
}

}  // namespace kerfa_render_markdown::markdown_render::next_bullet
