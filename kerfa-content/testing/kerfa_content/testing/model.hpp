#pragma once

// Builders of hand-made documents, the one vocabulary of every library's tests:
//
//   using namespace kerfa_content::testing;
//   list(heading(0), text("Title"), line_break(),
//        block(bk::CARD, list(open(pk::BOLD), text("x"), close()), attrs({attr::text("red")})));
//
// Items are named after what they are (text, block, open, close); attribute values live in
// `attr` (attr::text, attr::color, ...), so a text item and a text attribute never share a name.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"

namespace kerfa_content::testing {

using data::attributes::Attribute;
using data::structure::Container;
using data::structure::Content;
using data::structure::Data;
using data::structure::DataList;
using Attributes = data::types::Attributes;
namespace types = data::types;

// Moves the items into a vector (Data cannot be copied out of an initializer_list).
template <class... Items>
std::vector<Data> list(Items&&... items) {
    std::vector<Data> result;
    result.reserve(sizeof...(items));
    (result.push_back(std::forward<Items>(items)), ...);
    return result;
}

inline Attributes attrs(std::vector<Attribute> values) {
    return values;
}

// Attribute values.
namespace attr {
inline Attribute text(std::string value) {
    return Attribute::string(std::move(value));
}
inline Attribute color(data::attributes::NamedColor value) {
    return Attribute::Color{value};
}
// A colour value: its digits, without the number sign.
inline Attribute hex(std::string digits) {
    return Attribute::color(std::move(digits));
}
inline Attribute integer(std::int64_t value) {
    return Attribute::Integer{value};
}
inline Attribute bullet(data::attributes::BulletStyle style) {
    return Attribute::Bullet{style};
}
inline Attribute invalid(std::string value) {
    return Attribute::invalid(std::move(value));
}
inline Attribute boolean(bool value) {
    return Attribute::Boolean{value};
}
inline Attribute doc_link(std::optional<std::string> document, std::optional<std::string> filter,
                          std::optional<std::string> select) {
    return data::attributes::DocumentLink{std::move(document), std::move(filter),
                                          std::move(select)};
}
}  // namespace attr

// Content.
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
inline Data image_source(kerfa_content::types::Source source) {
    return Content(Content::Image{std::move(source)});
}

// Lines.
inline Data line_break(bool carriage_return = false) {
    return types::LineBreak{carriage_return};
}
inline Data heading(std::uint8_t level) {
    return types::LineProperty(types::Heading{level});
}
inline Data tagline() {
    return types::LineProperty(types::Tagline{});
}

// Spans: an opener, the items it spans, and close().
inline Data open(data::kinds::PropertyKind kind,
                 std::optional<Attributes> attributes = std::nullopt, bool needs_content = false) {
    return types::Property(types::PropertyElement{kind, std::move(attributes), needs_content});
}
// An opener whose value is its spanned text.
inline Data open_content(data::kinds::PropertyKind kind) {
    return open(kind, std::nullopt, true);
}
inline Data open_invalid(std::string name, std::optional<Attributes> attributes = std::nullopt) {
    return types::Property(types::InvalidElement{std::move(name), std::move(attributes)});
}
inline Data close() {
    return types::PropertyTerminator{};
}

// Containers.
inline Data block(data::kinds::BlockKind kind, DataList children = {},
                  std::optional<Attributes> attributes = std::nullopt) {
    return Container(types::Block{kind, std::move(attributes), std::move(children)});
}
inline Data section(DataList children = {}) {
    types::Section record;
    record.children = std::move(children);
    return Container(std::move(record));
}
inline Data section_with_id(std::size_t id, DataList children = {}) {
    types::Section record;
    record.id = id;
    record.children = std::move(children);
    return Container(std::move(record));
}
inline Data section_with(std::uint8_t level, DataList children,
                         std::vector<std::pair<std::string, std::string>> metadata = {}) {
    types::Section record;
    record.level = level;
    record.children = std::move(children);
    if (!metadata.empty()) {
        kerfa_content::types::Metadata map;
        for (const auto& [key, value] : metadata) {
            map.insert(key, value);
        }
        record.metadata = std::move(map);
    }
    return Container(std::move(record));
}
// A section named by its heading, as parsers leave one.
inline Data named_section(std::uint8_t level, std::string name, DataList children = {}) {
    types::Section record;
    record.level = level;
    record.name = std::move(name);
    record.children = std::move(children);
    return Container(std::move(record));
}
// `innermost` inside `depth` blocks of one kind, each the only child of the next.
inline Data nested(data::kinds::BlockKind kind, std::size_t depth, Data innermost) {
    for (std::size_t i = 0; i < depth; ++i) {
        innermost = block(kind, list(std::move(innermost)));
    }
    return innermost;
}

// The text `times` times over, for the expected text of deep documents.
inline std::string repeated(std::string_view text, std::size_t times) {
    std::string out;
    out.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

inline Data document(DataList children = {}) {
    types::Document record;
    record.children = std::move(children);
    return Container(std::move(record));
}

}  // namespace kerfa_content::testing
