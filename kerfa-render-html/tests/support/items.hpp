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
#include "kerfa_content/testing/model.hpp"
#include "kerfa_render_html/html_file_renderer.hpp"
#include "kerfa_render_html/page/page_frame.hpp"

namespace html_test {

namespace attributes = kerfa_content::data::attributes;
namespace structure = kerfa_content::data::structure;
namespace types = kerfa_content::data::types;
namespace model = kerfa_content::testing;

using attributes::Attribute;
using attributes::BulletStyle;
using attributes::DocumentLink;
using attributes::NamedColor;
using structure::Container;
using structure::Content;
using structure::Data;
using Items = std::vector<Data>;
using Attrs = std::optional<types::Attributes>;

// This writer's tests name attribute values bare and items by role; both forward to the shared
// builders.
using model::heading;
using model::line_break;
using model::list;
using model::tagline;
using model::attr::boolean;
using model::attr::bullet;
using model::attr::color;
using model::attr::doc_link;
using model::attr::hex;
using model::attr::integer;
using model::attr::invalid;
using model::attr::text;

inline Data text_item(std::string value) {
    return model::text(std::move(value));
}
inline Data terminator() {
    return model::close();
}
inline Data property(std::uint16_t id, const Attrs& attrs = std::nullopt,
                     bool needs_content = false) {
    return model::open(id, attrs, needs_content);
}
inline Data invalid_element(std::string name) {
    return model::open_invalid(std::move(name));
}
inline Data block(std::uint16_t id, const Attrs& attrs, Items children = {}) {
    return model::block(id, std::move(children), attrs);
}
inline Data section(std::size_t id, Items children = {}) {
    return model::section_with_id(id, std::move(children));
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
