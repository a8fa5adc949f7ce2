#include "utils/attributes.hpp"

#include <fmt/format.h>

#include "kerfa_content/data/attributes/attribute.hpp"
#include "shared/utils/overloaded.hpp"
#include "shared/utils/white_space.hpp"

namespace kerfa_render_kerfa_v1::utils {

namespace {

namespace kattr = kerfa_content::data::attributes;
using shared::utils::Overloaded;

void append_doc_link(const kattr::DocumentLink& link, std::string& out) {
    out += '"';
    if (link.document) {
        out += *link.document;
    }
    if (link.filter) {
        out += "?q=";
        out += *link.filter;
    }
    if (link.select) {
        out += '#';
        out += *link.select;
    }
    out += '"';
}

}  // namespace

void append_string(std::string_view text, std::string& out) {
    if (text.find('<') != std::string_view::npos || shared::utils::contains_white_space(text)) {
        out += '"';
        out += text;
        out += '"';
    } else {
        out += text;
    }
}

void append_attributes(const kerfa_content::data::types::Attributes& attributes, std::string& out) {
    for (const kattr::Attribute& attribute : attributes) {
        out += ' ';
        std::visit(
            Overloaded{
                [&](const kattr::Attribute::Boolean& value) {
                    out += value.value ? "true" : "false";
                },
                [&](const kattr::Attribute::Bullet& value) { out += kattr::name(value.style); },
                [&](const kattr::Color& color) {
                    if (const kattr::NamedColor* named = color.as_name()) {
                        out += kattr::name(*named);
                    } else {
                        out += '#';
                        out += color.as_value()->text;
                    }
                },
                [&](const kattr::DocumentLink& link) { append_doc_link(link, out); },
                [&](const kattr::Attribute::Integer& value) {
                    fmt::format_to(std::back_inserter(out), "{}", value.value);
                },
                [&](const kattr::Attribute::String& value) { append_string(value.text, out); },
                [&](const kattr::Attribute::Invalid& value) { append_string(value.text, out); },
            },
            static_cast<const kattr::Attribute::variant&>(attribute));
    }
}

}  // namespace kerfa_render_kerfa_v1::utils
