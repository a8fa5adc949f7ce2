#pragma once

// Whole documents in one line of text, so that a test states a parse result or a built model
// in one string:
//
//   S<id>:<level>"name"{key=value}[...]  a section (level, name and metadata only when set)
//   bullet(decimal,2)[...]              a block by its kind name and attributes
//   'text'  /  /r  #<level>  @         text, line breaks, a heading marker, a tagline
//   +bold  +link*  +!name(...)          a span opener (* = needs content, ! = invalid element)
//   -                                   a span terminator
//   [x] [ ] --- html'..' img'..'        content

#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/kinds/property_kind.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/types/metadata.hpp"

namespace kerfa_content::testing {

using data::attributes::Attribute;
using data::structure::Content;
using data::structure::Data;

inline std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

inline std::string attribute_text(const Attribute& attribute) {
    if (const auto* text = std::get_if<Attribute::String>(&attribute)) {
        return "\"" + escaped(text->text) + "\"";
    }
    if (const auto* text = std::get_if<Attribute::Invalid>(&attribute)) {
        return "!" + escaped(text->text);
    }
    if (const auto* color = std::get_if<Attribute::Color>(&attribute)) {
        return color->as_value() != nullptr ? "#" + color->as_value()->text : color->text();
    }
    return attribute.value();
}

inline std::string attributes_text(
    const std::optional<kerfa_content::data::types::Attributes>& attributes) {
    if (!attributes) {
        return "";
    }
    std::string out = "(";
    for (std::size_t i = 0; i < attributes->size(); ++i) {
        out += (i == 0 ? "" : ",") + attribute_text((*attributes)[i]);
    }
    return out + ")";
}

inline std::string content_text(const Content& content) {
    return std::visit(
        [](const auto& value) -> std::string {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, Content::Check>) {
                return value.checked ? "[x]" : "[ ]";
            } else if constexpr (std::is_same_v<T, Content::DividerLine>) {
                return "---";
            } else if constexpr (std::is_same_v<T, Content::Html>) {
                return "html'" + escaped(value.text) + "'";
            } else if constexpr (std::is_same_v<T, Content::Image>) {
                return "img'" + value.source->path_string_option().value_or("") + "'";
            } else {
                return "'" + escaped(value.text) + "'";
            }
        },
        content);
}

inline std::string metadata_text(const kerfa_content::types::Metadata& metadata) {
    std::string out = "{";
    bool first = true;
    for (const auto& [key, value] : metadata.data()) {
        out += (first ? "" : ",") + key + "=" + value;
        first = false;
    }
    return out + "}";
}

// The head of a container (what comes before its "[").
inline std::string container_head(const kerfa_content::data::structure::Container& container) {
    if (const auto* section = container.as_section()) {
        std::string out = "S" + std::to_string(section->id);
        if (section->level != 0) {
            out += ":" + std::to_string(section->level);
        }
        if (section->name) {
            out += "\"" + escaped(*section->name) + "\"";
        }
        if (section->metadata) {
            out += metadata_text(*section->metadata);
        }
        return out;
    }
    if (const auto* block = container.as_block()) {
        return std::string(kerfa_content::data::kinds::block_kind_name(block->id)) +
               attributes_text(block->attributes);
    }
    return "D";
}

inline std::string item_text(const Data& item) {
    if (const auto* content = item.as_content()) {
        return content_text(*content);
    }
    if (const auto* line = item.as_line_break()) {
        return line->carriage_return ? "/r" : "/";
    }
    if (const auto* line = item.as_line_property()) {
        if (const auto* heading = std::get_if<kerfa_content::data::types::Heading>(line)) {
            return "#" + std::to_string(heading->level);
        }
        return "@";
    }
    if (const auto* property = item.as_property()) {
        if (const auto* element = property->as_element()) {
            return "+" + std::string(kerfa_content::data::kinds::property_kind_name(element->id)) +
                   (element->needs_content ? "*" : "") + attributes_text(element->attributes);
        }
        const auto* invalid = property->as_invalid();
        return "+!" + invalid->name + attributes_text(invalid->attributes);
    }
    return "-";
}

// The items of a list, containers opened in place; walks with its own stack.
inline std::string dump_items(std::span<const Data> items) {
    struct Frame {
        std::span<const Data> items;
        std::size_t next;
    };
    std::string out;
    std::vector<Frame> stack{{items, 0}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.items.size()) {
            stack.pop_back();
            if (!stack.empty()) {
                out += "]";
            }
            continue;
        }
        const Data& item = frame.items[frame.next++];
        if (frame.next > 1) {
            out += " ";
        }
        if (const auto* container = item.as_container()) {
            out += container_head(*container) + "[";
            stack.push_back({container->children(), 0});
        } else {
            out += item_text(item);
        }
    }
    return out;
}

}  // namespace kerfa_content::testing
