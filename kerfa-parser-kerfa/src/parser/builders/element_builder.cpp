#include "parser/builders/element_builder.hpp"

#include <utility>

#include "attributes/to_attribute_actual.hpp"
#include "kerfa_content/data/structure/in_arena.hpp"
#include "parser/builders/build_element.hpp"
#include "parser/types/harness.hpp"

namespace kerfa_parser_kerfa::parser::builders {

namespace {

using elements::types::Element;
using elements::types::KerfaElementType;
using kerfa_content::data::attributes::Attribute;
using kerfa_content::data::kinds::BlockKindRecord;
using kerfa_content::data::kinds::ValueNeed;
using kerfa_content::data::structure::Content;
namespace bk = kerfa_content::data::kinds::block_kind;

// The names that messages give elements without a kind of their own.
constexpr std::string_view DIVIDER_NAME = "divider-line";
constexpr std::string_view METADATA_NAME = "metadata";
constexpr std::string_view COLUMN_NAME = "entry-block";
constexpr std::string_view SEPARATOR_NAME = "entry-separator";

Element build_checkbox(types::Harness& harness, const types::ElementBuilderPartial& partial) {
    if (!partial.attributes || partial.attributes->empty()) {
        return Element::Content{Content::Check{false}};
    }
    if (const auto* value = std::get_if<Attribute::Boolean>(&partial.attributes->front())) {
        return Element::Content{Content::Check{value->value}};
    }
    harness.collector->report_invalid_element(harness.line, partial.name);
    return Element::Content{Content::Check{false}};
}

Element build_image(types::Harness& harness, types::ElementBuilderPartial partial) {
    if (!partial.attributes || partial.attributes->empty()) {
        return build_invalid_element_and_terminator(harness, std::move(partial));
    }
    std::string path;
    if (auto* text = std::get_if<Attribute::String>(&partial.attributes->front())) {
        path = std::move(text->text);
    }
    return Element::Content{Content::Image{kerfa_content::types::Source::file(std::move(path))}};
}

// The one value an alias implies, as a list of its own: BlockAlias::attributes or
// PropertyAlias::attributes, or the same list made in the arena.
template <class Alias>
kerfa_content::data::types::Attributes implied_attributes(
    const Alias& alias, kerfa_content::data::storage::Arena* arena) {
    if (arena == nullptr) {
        return alias.attributes();
    }
    Attribute value = kerfa_content::data::structure::in_arena(*arena, Attribute(alias.attribute));
    return kerfa_content::data::types::Attributes::in_arena(*arena, &value, 1);
}

}  // namespace

void ElementBuilder::restart(KerfaElementType type, std::string_view written_name,
                             kerfa_content::data::storage::Arena* arena) {
    element_type = std::move(type);
    name.assign(written_name);
    attributes.reset();
    invalid = false;
    if (const auto* alias = element_type.get_if<KerfaElementType::BlockAlias>()) {
        attributes = implied_attributes(*alias, arena);
    } else if (const auto* alias = element_type.get_if<KerfaElementType::PropertyAlias>()) {
        attributes = implied_attributes(*alias, arena);
    }
}

// In the parse's arena, the values are made there directly and the list grows there.
void ElementBuilder::push(types::Harness& harness, Attribute attribute) {
    if (!attributes) {
        attributes.emplace();
    }
    if (harness.arena != nullptr) {
        attributes->emplace_back_in(*harness.arena, kerfa_content::data::structure::in_arena(
                                                        *harness.arena, std::move(attribute)));
    } else {
        attributes->push_back(std::move(attribute));
    }
}

void ElementBuilder::add_attribute(types::Harness& harness, std::string word) {
    if (attributes) {
        add_later_attribute(harness, std::move(word));
    } else {
        add_first_attribute(harness, std::move(word));
    }
}

// The element's value. Types that never store a word report every word they are given.
void ElementBuilder::add_first_attribute(types::Harness& harness, std::string word) {
    auto& collector = *harness.collector;
    const std::size_t line = harness.line;
    std::visit(
        [&](const auto& type) {
            using T = std::decay_t<decltype(type)>;
            if constexpr (std::is_same_v<T, KerfaElementType::Block>) {
                if (auto attribute = to_block_attribute(harness, *type.kind, word)) {
                    push(harness, std::move(*attribute));
                }
            } else if constexpr (std::is_same_v<T, KerfaElementType::Property>) {
                if (type.kind->need == ValueNeed::None) {
                    invalid = true;
                    collector.report_unexpected_attribute(line, type.kind->name, word);
                    return;
                }
                auto attribute = attributes::to_attribute_actual(harness.attribute_lookup,
                                                                 type.kind->value_kind, word);
                if (!attribute) {
                    invalid = true;
                    collector.report_unexpected_attribute(line, type.kind->name, word);
                    return;
                }
                if (const auto* refused = std::get_if<Attribute::Invalid>(&*attribute)) {
                    invalid = true;
                    collector.report_invalid_attribute(line, type.kind->name, refused->text);
                }
                push(harness, std::move(*attribute));
            } else if constexpr (std::is_same_v<T, KerfaElementType::Checkbox>) {
                push(harness, harness.attribute_lookup.checked(word));
            } else if constexpr (std::is_same_v<T, KerfaElementType::Image> ||
                                 std::is_same_v<T, KerfaElementType::Unknown>) {
                push(harness, Attribute::string(std::move(word)));
            } else if constexpr (std::is_same_v<T, KerfaElementType::Divider>) {
                collector.report_unexpected_attribute(line, DIVIDER_NAME, word);
            } else if constexpr (std::is_same_v<T, KerfaElementType::HtmlBlock>) {
                collector.report_unexpected_attribute(line, name, word);
            } else if constexpr (std::is_same_v<T, KerfaElementType::Metadata>) {
                collector.report_unexpected_attribute(line, METADATA_NAME, word);
            } else if constexpr (std::is_same_v<T, KerfaElementType::Column>) {
                collector.report_unexpected_attribute(line, COLUMN_NAME, word);
            } else if constexpr (std::is_same_v<T, KerfaElementType::Separator>) {
                collector.report_unexpected_attribute(line, SEPARATOR_NAME, word);
            }
            // Aliases start with their implied value, so no word of theirs is a first one.
        },
        element_type.value);
}

void ElementBuilder::add_later_attribute(types::Harness& harness, std::string word) {
    if (const auto* block = element_type.get_if<KerfaElementType::Block>()) {
        const auto id = block->kind->id;
        if (id == bk::BULLET) {
            push(harness, Attribute::string(std::move(word)));  // the list's start
        } else if (id == bk::TABLE || id == bk::TABLE_HEADING) {
            if (auto attribute = to_block_attribute(harness, *block->kind, word)) {
                push(harness, std::move(*attribute));
            }
        }
        return;
    }
    if (element_type.is<KerfaElementType::Property>() ||
        element_type.is<KerfaElementType::Image>() ||
        element_type.is<KerfaElementType::Unknown>()) {
        push(harness, Attribute::string(std::move(word)));
    }
}

std::optional<Attribute> ElementBuilder::to_block_attribute(types::Harness& harness,
                                                            const BlockKindRecord& kind,
                                                            std::string_view word) {
    if (kind.need != ValueNeed::None) {
        auto attribute =
            attributes::to_attribute_actual(harness.attribute_lookup, kind.value_kind, word);
        if (attribute) {
            if (const auto* refused = std::get_if<Attribute::Invalid>(&*attribute)) {
                invalid = true;
                harness.collector->report_invalid_attribute(harness.line, kind.name, refused->text);
            }
            return attribute;
        }
    }
    invalid = true;
    harness.collector->report_unexpected_attribute(harness.line, kind.name, word);
    return std::nullopt;
}

Element ElementBuilder::build(types::Harness& harness) && {
    types::ElementBuilderPartial partial{std::move(name), std::move(attributes), invalid};
    return std::visit(
        [&](auto& type) -> Element {
            using T = std::decay_t<decltype(type)>;
            if constexpr (std::is_same_v<T, KerfaElementType::Block>) {
                return build_block(harness, std::move(partial), *type.kind);
            } else if constexpr (std::is_same_v<T, KerfaElementType::BlockAlias>) {
                // Only the implied value: start gave it, and later words are ignored.
                if (!partial.attributes) {
                    partial.attributes = implied_attributes(type, harness.arena);
                }
                return build_block(harness, std::move(partial), *type.kind);
            } else if constexpr (std::is_same_v<T, KerfaElementType::Property>) {
                return build_property(harness, std::move(partial), *type.kind);
            } else if constexpr (std::is_same_v<T, KerfaElementType::PropertyAlias>) {
                if (!partial.attributes) {
                    partial.attributes = implied_attributes(type, harness.arena);
                }
                return build_property(harness, std::move(partial), *type.kind);
            } else if constexpr (std::is_same_v<T, KerfaElementType::Checkbox>) {
                return build_checkbox(harness, partial);
            } else if constexpr (std::is_same_v<T, KerfaElementType::Divider>) {
                return Element::Content{Content::DividerLine{}};
            } else if constexpr (std::is_same_v<T, KerfaElementType::Image>) {
                return build_image(harness, std::move(partial));
            } else if constexpr (std::is_same_v<T, KerfaElementType::Unknown>) {
                return build_invalid_element(harness, std::move(partial));
            } else if constexpr (std::is_same_v<T, KerfaElementType::HtmlBlock>) {
                return Element::Html{};
            } else if constexpr (std::is_same_v<T, KerfaElementType::Metadata>) {
                return Element::Metadata{};
            } else if constexpr (std::is_same_v<T, KerfaElementType::Column>) {
                return Element::TableEntry{std::move(partial.name)};
            } else {
                static_assert(std::is_same_v<T, KerfaElementType::Separator>);
                return Element::TableEntrySeparator{std::move(partial.name)};
            }
        },
        element_type.value);
}

}  // namespace kerfa_parser_kerfa::parser::builders
