#include "kerfa_content/data/structure/in_arena.hpp"

#include <type_traits>
#include <utility>
#include <variant>

// What is already in place or in the arena stays as it is: a parser may build its values there
// directly, and moving them again would only copy them.
namespace kerfa_content::data::structure {

namespace {

using kerfa_content::types::Source;
using storage::Arena;
using storage::String;

String text_in(Arena& arena, String&& text) {
    if (!text.on_heap()) {
        return std::move(text);
    }
    return String::in_arena(arena, text.view());
}

std::optional<String> text_in(Arena& arena, std::optional<String>&& text) {
    if (!text) {
        return std::nullopt;
    }
    return text_in(arena, std::move(*text));
}

Source source_in(Arena& arena, Source&& source) {
    if (auto* file = std::get_if<Source::File>(&source)) {
        return Source::File{text_in(arena, std::move(file->path))};
    }
    if (auto* http = std::get_if<Source::Http>(&source)) {
        return Source::Http{text_in(arena, std::move(http->url))};
    }
    return Source::None{};
}

}  // namespace

attributes::Attribute in_arena(Arena& arena, attributes::Attribute&& attribute) {
    using attributes::Attribute;
    if (auto* text = std::get_if<Attribute::String>(&attribute)) {
        return Attribute::String{text_in(arena, std::move(text->text))};
    }
    if (auto* text = std::get_if<Attribute::Invalid>(&attribute)) {
        return Attribute::Invalid{text_in(arena, std::move(text->text))};
    }
    if (auto* color = std::get_if<Attribute::Color>(&attribute)) {
        if (auto* value = std::get_if<attributes::ColorValue>(color)) {
            return Attribute::Color{attributes::ColorValue{text_in(arena, std::move(value->text))}};
        }
        return std::move(attribute);
    }
    if (auto* link = std::get_if<Attribute::DocLink>(&attribute)) {
        if (link->in_arena()) {
            return std::move(attribute);
        }
        attributes::DocumentLink& parts = **link;
        return Attribute::DocLink::in_arena(
            arena, attributes::DocumentLink{text_in(arena, std::move(parts.document)),
                                            text_in(arena, std::move(parts.filter)),
                                            text_in(arena, std::move(parts.select))});
    }
    return std::move(attribute);
}

std::optional<types::Attributes> in_arena(Arena& arena,
                                          std::optional<types::Attributes>&& attributes) {
    if (!attributes || attributes->is_pristine()) {
        return std::move(attributes);
    }
    for (attributes::Attribute& attribute : *attributes) {
        attribute = in_arena(arena, std::move(attribute));
    }
    return types::Attributes::in_arena(arena, attributes->data(), attributes->size());
}

Content in_arena(Arena& arena, Content&& content) {
    if (auto* text = std::get_if<Content::Text>(&content)) {
        return Content::Text{text_in(arena, std::move(text->text))};
    }
    if (auto* html = std::get_if<Content::Html>(&content)) {
        return Content::Html{text_in(arena, std::move(html->text))};
    }
    if (auto* image = std::get_if<Content::Image>(&content)) {
        if (image->source.in_arena()) {
            return std::move(content);
        }
        return Content::Image{
            storage::Boxed<Source>::in_arena(arena, source_in(arena, std::move(*image->source)))};
    }
    return std::move(content);
}

types::PropertyElement in_arena(Arena& arena, types::PropertyElement&& element) {
    return {element.id, in_arena(arena, std::move(element.attributes)), element.needs_content};
}

types::InvalidElement in_arena(Arena& arena, types::InvalidElement&& element) {
    return {text_in(arena, std::move(element.name)),
            in_arena(arena, std::move(element.attributes))};
}

types::Property in_arena(Arena& arena, types::Property&& property) {
    if (std::visit([](const auto& box) { return box.in_arena(); }, property)) {
        return std::move(property);
    }
    if (auto* element = property.as_element()) {
        return storage::Box<types::PropertyElement>::in_arena(arena,
                                                              in_arena(arena, std::move(*element)));
    }
    if (auto* invalid = property.as_invalid()) {
        return storage::Box<types::InvalidElement>::in_arena(arena,
                                                             in_arena(arena, std::move(*invalid)));
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
