#include "utils.hpp"

#include <fmt/format.h>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "shared/utils/fault.hpp"
#include "shared/utils/overloaded.hpp"

namespace kerfa_render_structure::utils {

namespace {

namespace kattr = kerfa_content::data::attributes;
namespace kinds = kerfa_content::data::kinds;
using kerfa_content::data::structure::Container;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;
using kerfa_content::data::types::LineProperty;
using kerfa_content::data::types::Property;
using shared::utils::Overloaded;

void append_attribute(const kattr::Attribute& attribute, std::string& out) {
    std::visit(Overloaded{
                   [&](const kattr::Attribute::Boolean& value) {
                       out += value.value ? "Boolean true" : "Boolean false";
                   },
                   [&](const kattr::Attribute::Bullet& value) {
                       out += "Bullet ";
                       out += kattr::name(value.style);
                   },
                   [&](const kattr::Color& color) {
                       if (const kattr::NamedColor* named = color.as_name()) {
                           out += "Color-Name ";
                           out += kattr::name(*named);
                       } else {
                           out += "Color ";
                           out += color.as_value()->text;
                       }
                   },
                   [&](const kattr::DocumentLink& link) {
                       out += "DocLink ";
                       out += link.to_string();
                   },
                   [&](const kattr::Attribute::Integer& value) {
                       fmt::format_to(std::back_inserter(out), "Integer {}", value.value);
                   },
                   [&](const kattr::Attribute::String& value) {
                       out += '"';
                       out += value.text;
                       out += '"';
                   },
                   [&](const kattr::Attribute::Invalid& value) {
                       out += " [:invalid:] \"";
                       out += value.text;
                       out += '"';
                   },
               },
               static_cast<const kattr::Attribute::variant&>(attribute));
}

std::string content_description(const Content& content) {
    return std::visit(
        Overloaded{
            [](const Content::Check& check) {
                return std::string(check.checked ? "[check: true]" : "[check: false]");
            },
            [](const Content::DividerLine&) { return std::string("[divider line]"); },
            [](const Content::Html& html) { return fmt::format("[html] \"{}\"", html.text); },
            [](const Content::Image& image) {
                return fmt::format("[image source: {}]", image.source->debug_text());
            },
            [](const Content::Text& text) { return fmt::format("\"{}\"", text.text); },
        },
        static_cast<const Content::variant&>(content));
}

std::string property_description(const Property& property) {
    if (const auto* element = property.as_element()) {
        return fmt::format("<{}{}>", kinds::property_kind_name_or_unknown(element->id),
                           to_attributes(element->attributes));
    }
    if (const auto* invalid = property.as_invalid()) {
        return fmt::format("< [:invalid:] {}{}>", invalid->name,
                           to_attributes(invalid->attributes));
    }
    shared::utils::internal_fault("An emptied property reached the structure dump.");
}

}  // namespace

std::string to_attributes(const std::optional<kerfa_content::data::types::Attributes>& attributes) {
    std::string out;
    if (attributes) {
        for (const kattr::Attribute& attribute : *attributes) {
            out += ' ';
            append_attribute(attribute, out);
        }
    }
    return out;
}

std::string container_description(const Container& container) {
    if (const auto* block = container.as_block()) {
        return fmt::format("[Block : {}{} ]", kinds::block_kind_name_or_unknown(block->id),
                           to_attributes(block->attributes));
    }
    if (const auto* document = container.as_document()) {
        return document_description(*document);
    }
    if (const auto* section = container.as_section()) {
        return fmt::format("[Section : id: {}, level: {}, name: \"{}\"]", section->id,
                           section->level, section->name.value_or("None"));
    }
    shared::utils::internal_fault("An emptied container reached the structure dump.");
}

std::string document_description(const kerfa_content::data::types::Document& document) {
    return fmt::format("[Document : id: {}, name: \"{}\"]", document.id, document.name);
}

std::string data_description(const Data& item) {
    return std::visit(
        Overloaded{
            [](const Container& container) { return container_description(container); },
            [](const Content& content) { return content_description(content); },
            [](const LineProperty& line) {
                if (const auto* heading = std::get_if<LineProperty::Heading>(&line)) {
                    return fmt::format("<<Heading>> level: {}", heading->level);
                }
                return std::string("<<Tagline>>");
            },
            [](const kerfa_content::data::types::LineBreak& line_break) {
                // Backslash n, then backslash r: the order the line end is shown in.
                return std::string(line_break.carriage_return ? "\\n\\r" : "\\n");
            },
            [](const Property& property) { return property_description(property); },
            [](const kerfa_content::data::types::PropertyTerminator&) { return std::string("<>"); },
        },
        static_cast<const Data::variant&>(item));
}

}  // namespace kerfa_render_structure::utils
