#include "html_render/line_components.hpp"

#include <array>
#include <string_view>

namespace kerfa_render_html::html_render {

namespace modules = kerfa_render_core_static::modules;

namespace {

struct HeadingTags {
    std::string_view start;
    std::string_view end;
};

// By level; higher levels have no tags.
constexpr std::array<HeadingTags, 7> kHeadingTags{{
    {"<h1>", "</h1>"},
    {"<h2>", "</h2>"},
    {"<h3>", "</h3>"},
    {"<h4>", "</h4>"},
    {"<h5>", "</h5>"},
    {"<h6>", "</h6>"},
    {"<b>", "</b>"},
}};

}  // namespace

void RenderActualHeading::start(const modules::Heading& heading, std::string& out) const {
    if (heading.level < kHeadingTags.size()) {
        out += kHeadingTags[heading.level].start;
    }
}

void RenderActualHeading::end(const modules::Heading& heading, std::string& out) const {
    if (heading.level < kHeadingTags.size()) {
        out += kHeadingTags[heading.level].end;
    }
}

}  // namespace kerfa_render_html::html_render
