#include "describe.hpp"

#include <fmt/format.h>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "shared/utils/overloaded.hpp"
#include "shared/utils/white_space.hpp"

namespace kerfa_render_kerfa_indented::describe {

namespace {

namespace kattr = kerfa_content::data::attributes;
namespace kinds = kerfa_content::data::kinds;
using kerfa_content::data::structure::Content;
using shared::utils::Overloaded;

void append_attribute(const kattr::Attribute& attribute, std::string& out) {
    std::visit(
        Overloaded{
            [&](const kattr::Attribute::Boolean& value) { out += value.value ? "true" : "false"; },
            [&](const kattr::Attribute::Bullet& value) { out += kattr::name(value.style); },
            [&](const kattr::Color& color) { out += color.text(); },
            [&](const kattr::DocumentLink& link) { out += link.to_string(); },
            [&](const kattr::Attribute::Integer& value) {
                fmt::format_to(std::back_inserter(out), "{}", value.value);
            },
            [&](const kattr::Attribute::String& value) {
                if (shared::utils::contains_white_space(value.text)) {
                    out += '"';
                    out += value.text;
                    out += '"';
                } else {
                    out += value.text;
                }
            },
            [&](const kattr::Attribute::Invalid& value) {
                out += "\xE2\x9A\xA0\"";  // "⚠"
                out += value.text;
                out += '"';
            },
        },
        static_cast<const kattr::Attribute::variant&>(attribute));
}

}  // namespace

std::string content_text(const Content& content) {
    return std::visit(
        Overloaded{
            [](const Content::Check& check) {
                return std::string(check.checked ? "<x true>" : "<x false>");
            },
            [](const Content::DividerLine&) { return std::string("<--->"); },
            [](const Content::Html& html) { return fmt::format("[html \"{}\"]", html.text); },
            [](const Content::Image& image) {
                return fmt::format("<image {}>", image.source->debug_text());
            },
            [](const Content::Text& text) { return fmt::format("\"{}\"", text.text); },
        },
        static_cast<const Content::variant&>(content));
}

std::string attributes_text(
    const std::optional<kerfa_content::data::types::Attributes>& attributes) {
    std::string out;
    if (attributes) {
        for (const kattr::Attribute& attribute : *attributes) {
            out += ' ';
            append_attribute(attribute, out);
        }
    }
    return out;
}

std::string block_open_text(const kerfa_content::data::types::Block& block) {
    return fmt::format("<{}{}>", kinds::block_kind_name_or_unknown(block.id),
                       attributes_text(block.attributes));
}

std::string element_open_text(const kerfa_content::data::types::PropertyElement& element) {
    return fmt::format("<{}{}>", kinds::property_kind_name_or_unknown(element.id),
                       attributes_text(element.attributes));
}

}  // namespace kerfa_render_kerfa_indented::describe
