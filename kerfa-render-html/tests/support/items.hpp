#pragma once

// Hand-built document items and a page body extractor for the HTML writer's tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_render_html/html_file_renderer.hpp"
#include "kerfa_render_html/page/page_frame.hpp"

namespace html_test {

namespace attributes = kerfa_content::data::attributes;
namespace structure = kerfa_content::data::structure;
namespace types = kerfa_content::data::types;

using attributes::Attribute;
using attributes::BulletStyle;
using attributes::DocumentLink;
using attributes::NamedColor;
using structure::Container;
using structure::Content;
using structure::Data;
using Items = std::vector<Data>;
using Attrs = std::optional<types::Attributes>;

inline Attribute text(std::string value) {
    return Attribute::string(std::move(value));
}
inline Attribute color(NamedColor value) {
    return Attribute::Color{value};
}
inline Attribute hex(std::string digits) {
    return Attribute::color(std::move(digits));
}
inline Attribute integer(std::int64_t value) {
    return Attribute::Integer{value};
}
inline Attribute bullet(BulletStyle style) {
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
    return DocumentLink{std::move(document), std::move(filter), std::move(select)};
}

inline Data text_item(std::string value) {
    return Content(Content::Text{std::move(value)});
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
inline Data terminator() {
    return types::PropertyTerminator{};
}
inline Data property(std::uint16_t id, const Attrs& attrs = std::nullopt,
                     bool needs_content = false) {
    return types::Property(types::PropertyElement{id, attrs, needs_content});
}
inline Data invalid_element(std::string name) {
    return types::Property(types::InvalidElement{std::move(name), std::nullopt});
}
inline Data block(std::uint16_t id, const Attrs& attrs, Items children = {}) {
    return Container(types::Block{id, attrs, std::move(children)});
}
inline Data section(std::size_t id, Items children = {}) {
    types::Section record;
    record.id = id;
    record.children = std::move(children);
    return Container(std::move(record));
}

// Builds a list from items given one by one (Data is move-only).
template <typename... Item>
Items list(Item&&... item) {
    Items result;
    (result.push_back(std::forward<Item>(item)), ...);
    return result;
}

// What a page holds between "<body>\n" and "\n\t</body>"; fails the test when the frame around
// it is not exact.
inline std::string body_of(const std::string& page) {
    namespace page_frame = kerfa_render_html::page;
    std::string head;
    head += page_frame::kPageHead;
    head += page_frame::kStyleOpen;
    head += page_frame::style_sheet();
    head += page_frame::kStyleClose;
    EXPECT_TRUE(page.starts_with(head));
    EXPECT_TRUE(page.ends_with(page_frame::kPageEnd));
    if (page.size() < head.size() + page_frame::kPageEnd.size()) {
        return "<no page>";
    }
    return page.substr(head.size(), page.size() - head.size() - page_frame::kPageEnd.size());
}

inline std::string render_body(const Items& items, std::string prefix = "doc/") {
    const kerfa_render_html::HtmlFileRenderer writer(std::move(prefix));
    std::string page;
    writer.render_all_to(items, page);
    return body_of(page);
}

}  // namespace html_test
