#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"

// Small builders for hand-made documents.
namespace kerfa_render_core_static::testing {

using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
namespace types = kerfa_content::data::types;

inline Data text(std::string value) {
    return Content(Content::Text{std::move(value)});
}
inline Data html(std::string value) {
    return Content(Content::Html{std::move(value)});
}
inline Data check(bool checked) {
    return Content(Content::Check{checked});
}
inline Data divider() {
    return Content(Content::DividerLine{});
}
inline Data image(std::string path) {
    return Content(Content::Image{kerfa_content::types::Source::file(std::move(path))});
}
inline Data line_break(bool carriage_return = false) {
    return types::LineBreak{carriage_return};
}
inline Data heading(std::uint8_t level) {
    return types::LineProperty(types::Heading{level});
}
inline Data tagline() {
    return types::LineProperty(types::Tagline{});
}
inline Data open(std::uint16_t kind, std::optional<types::Attributes> attributes = std::nullopt,
                 bool needs_content = false) {
    return types::Property(types::PropertyElement{kind, std::move(attributes), needs_content});
}
inline Data open_content(std::uint16_t kind) {
    return open(kind, std::nullopt, true);
}
inline Data open_invalid(std::string name) {
    return types::Property(types::InvalidElement{std::move(name), std::nullopt});
}
inline Data close() {
    return types::PropertyTerminator{};
}

template <class... Items>
std::vector<Data> list(Items&&... items) {
    std::vector<Data> result;
    result.reserve(sizeof...(items));
    (result.push_back(std::forward<Items>(items)), ...);
    return result;
}

inline Data block(std::uint16_t kind, std::vector<Data> children = {},
                  std::optional<types::Attributes> attributes = std::nullopt) {
    return Container(types::Block{kind, std::move(attributes), std::move(children)});
}

inline Data section(std::vector<Data> children = {}) {
    types::Section s;
    s.children = std::move(children);
    return Container(std::move(s));
}

inline Data document(std::vector<Data> children = {}) {
    types::Document d;
    d.children = std::move(children);
    return Container(std::move(d));
}

}  // namespace kerfa_render_core_static::testing
