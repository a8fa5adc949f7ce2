#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_render_core_static/testing/model.hpp"

// The framework's builders, and a few more that only the writer's tests need.
namespace kerfa_render_kerfa::testing {

using namespace kerfa_render_core_static::testing;

inline Data image_source(kerfa_content::types::Source source) {
    return Content(Content::Image{std::move(source)});
}

inline Data section_with(std::uint8_t level, std::vector<Data> children,
                         std::vector<std::pair<std::string, std::string>> metadata = {}) {
    types::Section s;
    s.level = level;
    s.children = std::move(children);
    if (!metadata.empty()) {
        kerfa_content::types::Metadata m;
        for (const auto& [key, value] : metadata) {
            m.insert(key, value);
        }
        s.metadata = std::move(m);
    }
    return Container(std::move(s));
}

inline types::Attributes attrs(std::vector<Attribute> list) {
    return list;
}

}  // namespace kerfa_render_kerfa::testing
