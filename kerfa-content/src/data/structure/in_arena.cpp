#include "kerfa_content/data/structure/in_arena.hpp"

#include <type_traits>
#include <utility>
#include <variant>

namespace kerfa_content::data::structure {

namespace {

using storage::Arena;
using storage::String;

String text_in(Arena& arena, const String& text) {
    return String::in_arena(arena, text.view());
}

std::optional<String> text_in(Arena& arena, const std::optional<String>& text) {
    if (!text) {
        return std::nullopt;
    }
    return text_in(arena, *text);
}

kerfa_content::types::Source source_in(Arena& arena, const kerfa_content::types::Source& source) {
    if (const auto* file = std::get_if<kerfa_content::types::Source::File>(&source)) {
        return kerfa_content::types::Source::File{text_in(arena, file->path)};
    }
    if (const auto* http = std::get_if<kerfa_content::types::Source::Http>(&source)) {
        return kerfa_content::types::Source::Http{text_in(arena, http->url)};
    }
    return kerfa_content::types::Source::None{};
}

}  // namespace

attributes::Attribute in_arena(Arena& arena, attributes::Attribute&& attribute) {
    using attributes::Attribute;
    if (auto* text = std::get_if<Attribute::String>(&attribute)) {
        return Attribute::String{text_in(arena, text->text)};
    }
    if (auto* text = std::get_if<Attribute::Invalid>(&attribute)) {
        return Attribute::Invalid{text_in(arena, text->text)};
    }
    if (auto* color = std::get_if<Attribute::Color>(&attribute)) {
        if (const auto* value = color->as_value()) {
            return Attribute::Color{attributes::ColorValue{text_in(arena, value->text)}};
        }
    }
    if (const auto* link = attribute.as_doc_link()) {
        return Attribute::DocLink::in_arena(
            arena,
            attributes::DocumentLink{text_in(arena, link->document), text_in(arena, link->filter),
                                     text_in(arena, link->select)});
    }
    return std::move(attribute);
}

std::optional<types::Attributes> in_arena(Arena& arena,
                                          std::optional<types::Attributes>&& attributes) {
    if (!attributes) {
        return std::nullopt;
    }
    for (attributes::Attribute& attribute : *attributes) {
        attribute = in_arena(arena, std::move(attribute));
    }
    return types::Attributes::in_arena(arena, attributes->data(), attributes->size());
}

Content in_arena(Arena& arena, Content&& content) {
    if (auto* text = std::get_if<Content::Text>(&content)) {
        return Content::Text{text_in(arena, text->text)};
    }
    if (auto* html = std::get_if<Content::Html>(&content)) {
        return Content::Html{text_in(arena, html->text)};
    }
    if (auto* image = std::get_if<Content::Image>(&content)) {
        return Content::Image{storage::Boxed<kerfa_content::types::Source>::in_arena(
            arena, source_in(arena, *image->source))};
    }
    return std::move(content);
}

types::Property in_arena(Arena& arena, types::Property&& property) {
    if (auto* element = property.as_element()) {
        return storage::Box<types::PropertyElement>::in_arena(
            arena,
            types::PropertyElement{element->id, in_arena(arena, std::move(element->attributes)),
                                   element->needs_content});
    }
    if (auto* invalid = property.as_invalid()) {
        return storage::Box<types::InvalidElement>::in_arena(
            arena, types::InvalidElement{text_in(arena, invalid->name),
                                         in_arena(arena, std::move(invalid->attributes))});
    }
    return std::move(property);
}

Container block_in_arena(Arena& arena, types::Block&& block) {
    return storage::Box<types::Block>::in_arena(
        arena, types::Block{block.id, in_arena(arena, std::move(block.attributes)), {}});
}

Data in_arena(Arena& arena, Data&& item) {
    if (auto* content = item.as_content()) {
        return in_arena(arena, std::move(*content));
    }
    if (auto* property = item.as_property()) {
        return in_arena(arena, std::move(*property));
    }
    return std::move(item);
}

}  // namespace kerfa_content::data::structure
