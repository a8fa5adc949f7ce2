#pragma once

// The few model builders these tests need (a local stand-in for a shared test vocabulary).

#include <string>
#include <utility>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_parser_text::testing {

using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;

inline Data text(std::string value) {
    return Content::text_of(std::move(value));
}
inline Data open(kerfa_content::data::kinds::PropertyKind kind) {
    return kerfa_content::data::types::Property(
        kerfa_content::data::types::PropertyElement{kind, std::nullopt, false});
}
inline Data close() {
    return kerfa_content::data::types::PropertyTerminator{};
}
inline Data section(std::size_t id, std::vector<Data> children) {
    kerfa_content::data::types::Section s;
    s.id = id;
    s.children = std::move(children);
    return s;
}

}  // namespace kerfa_parser_text::testing
