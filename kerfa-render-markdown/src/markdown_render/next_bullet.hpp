#pragma once

#include <cstdint>
#include <string>

#include "kerfa_content/data/attributes/bullet_style.hpp"

namespace kerfa_render_markdown::markdown_render::next_bullet {

// The label maker of one open list: "N." for the decimal styles (the counter then advances,
// wrapping past the largest value), "-" for every other style.
struct NextBullet {
    std::int64_t counter = 1;
    kerfa_content::data::attributes::BulletStyle style =
        kerfa_content::data::attributes::BulletStyle::Dash;

    std::string next();
};

}  // namespace kerfa_render_markdown::markdown_render::next_bullet
