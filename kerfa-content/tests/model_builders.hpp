#pragma once

#include <string>
#include <utility>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_content::testing {

using data::structure::Content;
using data::structure::Data;

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
inline Data line_break(bool carriage_return = false) {
    return data::types::LineBreak{carriage_return};
}
inline Data heading(std::uint8_t level) {
    return data::types::LineProperty(data::types::Heading{level});
}
inline Data tagline() {
    return data::types::LineProperty(data::types::Tagline{});
}
inline Data open(data::kinds::PropertyKind kind) {
    return data::types::Property(data::types::PropertyElement{kind, std::nullopt, false});
}
inline Data open_invalid(std::string name) {
    return data::types::Property(data::types::InvalidElement{std::move(name), std::nullopt});
}
inline Data close() {
    return data::types::PropertyTerminator{};
}

// Moves the items of an initializer-like list into a vector (Data cannot be copied out of an
// initializer_list).
template <class... Items>
std::vector<Data> list(Items&&... items) {
    std::vector<Data> result;
    result.reserve(sizeof...(items));
    (result.push_back(std::forward<Items>(items)), ...);
    return result;
}

inline Data block(data::kinds::BlockKind kind, std::vector<Data> children) {
    return data::types::Block{kind, std::nullopt, std::move(children)};
}

inline Data section(std::vector<Data> children) {
    data::types::Section s;
    s.children = std::move(children);
    return s;
}

}  // namespace kerfa_content::testing
