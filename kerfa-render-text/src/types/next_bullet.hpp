#pragma once

#include <cstdint>
#include <string>

#include "kerfa_content/data/attributes/bullet_style.hpp"

namespace kerfa_render_text::types {

// The label maker of one open list. Symbol styles print their symbol; numbered styles print the
// counter and "." and then advance it (wrapping past the largest value rather than overflowing).
// Roman styles and none print the disc. Letters count bijectively (1 a, 26 z, 27 aa; Greek 24
// letters without the final sigma); a counter below 1 has no letters and prints in decimal.
struct NextBullet {
    std::int64_t counter = 1;
    kerfa_content::data::attributes::BulletStyle style =
        kerfa_content::data::attributes::BulletStyle::Disc;

    std::string next();
};

}  // namespace kerfa_render_text::types
