#pragma once

// Documents written in one line, so that a test states a whole import as text (a local stand-in
// for a shared test vocabulary):
//
//   S<id>:<level>"name"[...]   a section (level and name only when set)
//   bullet(decimal,2)[...]     a block by its kind name and attributes
//   'text'  /  #<level>        text, a line break, a heading marker
//   +bold  +link("u")  -       a span opener and a terminator
//   [x] [ ] --- html'..' img'..'

#include <string>
#include <vector>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/modules/parser/types/parse_data.hpp"

namespace kerfa_parser_markdown::testing {

using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::structure::Content;
using kerfa_content::data::structure::Data;

inline std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += c == '\n' ? std::string("\\n") : c == '\r' ? std::string("\\r") : std::string(1, c);
    }
    return out;
}

inline std::string attributes_text(
    const std::optional<kerfa_content::data::types::Attributes>& attributes) {
    if (!attributes) {
        return "";
    }
    std::string out = "(";
    for (std::size_t i = 0; i < attributes->size(); ++i) {
        const Attribute& a = (*attributes)[i];
        const auto* text = std::get_if<Attribute::String>(&a);
        out += (i == 0 ? "" : ",") + (text ? "\"" + escaped(text->text) + "\"" : a.value());
    }
    return out + ")";
}

inline std::string item_text(const Data& item) {
    if (const auto* content = item.as_content()) {
        if (const auto* c = std::get_if<Content::Check>(content)) {
            return c->checked ? "[x]" : "[ ]";
        }
        if (std::holds_alternative<Content::DividerLine>(*content)) {
            return "---";
        }
        if (const auto* h = std::get_if<Content::Html>(content)) {
            return "html'" + escaped(h->text) + "'";
        }
        if (const auto* i = std::get_if<Content::Image>(content)) {
            return "img'" + i->source.path_string_option().value_or("") + "'";
        }
        return "'" + escaped(std::get<Content::Text>(*content).text) + "'";
    }
    if (item.as_line_break() != nullptr) {
        return "/";
    }
    if (const auto* line = item.as_line_property()) {
        return "#" + std::to_string(std::get<kerfa_content::data::types::Heading>(*line).level);
    }
    if (const auto* property = item.as_property()) {
        const auto* element = property->as_element();
        return "+" + std::string(kerfa_content::data::kinds::property_kind_name(element->id)) +
               attributes_text(element->attributes);
    }
    return "-";
}

inline std::string container_head(const kerfa_content::data::structure::Container& container) {
    if (const auto* section = container.as_section()) {
        std::string out = "S" + std::to_string(section->id);
        if (section->level != 0) {
            out += ":" + std::to_string(section->level);
        }
        if (section->name) {
            out += "\"" + escaped(*section->name) + "\"";
        }
        return out;
    }
    const auto* block = container.as_block();
    return std::string(kerfa_content::data::kinds::block_kind_name(block->id)) +
           attributes_text(block->attributes);
}

// The items, containers opened in place; walks with its own stack.
inline std::string dump_items(const std::vector<Data>& items) {
    struct Frame {
        const std::vector<Data>* items;
        std::size_t next;
    };
    std::string out;
    std::vector<Frame> stack{{&items, 0}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.items->size()) {
            stack.pop_back();
            if (!stack.empty()) {
                out += "]";
            }
            continue;
        }
        const Data& item = (*frame.items)[frame.next++];
        if (frame.next > 1) {
            out += " ";
        }
        if (const auto* container = item.as_container()) {
            out += container_head(*container) + "[";
            stack.push_back({&container->children(), 0});
        } else {
            out += item_text(item);
        }
    }
    return out;
}

inline std::vector<std::string> messages(const kerfa_content::modules::parser::types::ParseData& d) {
    return d.error ? d.error->messages : std::vector<std::string>{};
}

}  // namespace kerfa_parser_markdown::testing
