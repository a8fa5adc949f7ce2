#pragma once

// Parsed items made comparable with the items read back from their Kerfa text: what a Kerfa
// writer cannot keep is taken out of both sides, and a failure says where the two first differ.

#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "kerfa_content/data/kinds/block_kind.hpp"
#include "kerfa_content/data/structure/data.hpp"
#include "kerfa_content/testing/model.hpp"

namespace kerfa_content::testing {

// The text a line item of `holder`'s list reads back as, when the writer can only write it so:
// a line break directly in a list entry, outside every span, is written escaped, and a heading
// line inside any block as the text of its signs. Nothing for every other item.
inline std::optional<std::string> written_as_text(const Data& item, const types::Block* holder,
                                                  bool in_span) {
    namespace bk = data::kinds::block_kind;
    if (holder == nullptr) {
        return std::nullopt;
    }
    if (const auto* line_break = item.as_line_break();
        line_break != nullptr && holder->id == bk::BULLET_ENTRY && !in_span) {
        return line_break->carriage_return ? "\r\n" : "\n";
    }
    if (const auto* line = item.as_line_property()) {
        if (const auto* heading = std::get_if<types::Heading>(line)) {
            return std::string(static_cast<std::size_t>(heading->level) + 1, '#') + " ";
        }
    }
    return std::nullopt;
}

// A block's numbers read back as the texts of their digits.
inline void numbers_as_texts(types::Block& block) {
    if (!block.attributes) {
        return;
    }
    for (Attribute& attribute : *block.attributes) {
        if (const auto* number = std::get_if<Attribute::Integer>(&attribute)) {
            attribute = Attribute::str(std::to_string(number->value));
        }
    }
}

// Merges adjacent texts in every list and, when `lossy`, also drops what a writer drops or
// cannot tell apart: invalid elements with their terminators, empty texts and empty raw HTML,
// the line breaks that end a section, the line items written as text (written_as_text), and
// the kind of a block's numbers. Iterative, like every walk of a document.
inline void normalize(DataList& top, bool lossy) {
    std::vector<std::pair<DataList*, const types::Block*>> lists{{&top, nullptr}};
    while (!lists.empty()) {
        auto [list_items, holder] = lists.back();
        DataList& items = *list_items;
        lists.pop_back();
        DataList kept;
        kept.reserve(items.size());
        std::vector<bool> open_invalid;
        std::size_t open_valid = 0;
        for (Data& item : items) {
            if (lossy) {
                if (auto as_text = written_as_text(item, holder, open_valid > 0)) {
                    item = text(std::move(*as_text));
                }
            }
            if (const auto* property = item.as_property()) {
                const bool invalid = property->as_invalid() != nullptr;
                open_invalid.push_back(invalid);
                open_valid += invalid ? 0 : 1;
                if (invalid && lossy) {
                    continue;
                }
            } else if (item.is_terminator()) {
                if (!open_invalid.empty()) {
                    const bool invalid = open_invalid.back();
                    open_invalid.pop_back();
                    open_valid -= invalid ? 0 : 1;
                    if (invalid && lossy) {
                        continue;
                    }
                }
            } else if (auto* content = item.as_content();
                       lossy && content != nullptr &&
                       std::holds_alternative<Content::Html>(*content)) {
                // In a section, a line end ending the HTML is written after it.
                auto& html = std::get<Content::Html>(*content).text;
                const std::string_view body = html;
                const std::size_t end = holder != nullptr || !body.ends_with('\n') ? 0
                                        : body.ends_with("\r\n")                   ? 2
                                                                                   : 1;
                html = data::storage::String(body.substr(0, body.size() - end));
                if (!html.empty()) {
                    kept.push_back(std::move(item));
                }
                if (end > 0) {
                    kept.push_back(line_break(end == 2));
                }
                continue;
            } else if (content != nullptr && std::holds_alternative<Content::Text>(*content)) {
                const auto& value = std::get<Content::Text>(*content).text;
                if (lossy && value.empty()) {
                    continue;
                }
                if (!kept.empty() && kept.back().as_content() != nullptr &&
                    std::holds_alternative<Content::Text>(*kept.back().as_content())) {
                    std::get<Content::Text>(*kept.back().as_content()).text += value;
                    continue;
                }
            }
            kept.push_back(std::move(item));
        }
        items = std::move(kept);
        for (Data& item : items) {
            if (auto* container = item.as_container()) {
                if (auto* block = container->as_block(); block != nullptr && lossy) {
                    numbers_as_texts(*block);
                }
                lists.emplace_back(&container->children(), container->as_block());
            }
        }
    }
    if (lossy) {
        for (Data& item : top) {
            auto* section = item.as_container() ? item.as_container()->as_section() : nullptr;
            if (section == nullptr) {
                continue;
            }
            while (!section->children.empty() && section->children.back().as_line_break()) {
                section->children.pop_back();
            }
        }
    }
}

// Where two item trees first differ, for failure messages.
inline std::string first_difference(const DataList& a, const DataList& b) {
    std::vector<std::tuple<const DataList*, const DataList*, std::string>> work{{&a, &b, "top"}};
    while (!work.empty()) {
        auto [x, y, path] = work.back();
        work.pop_back();
        if (x->size() != y->size()) {
            return path + ": " + std::to_string(x->size()) + " vs " + std::to_string(y->size()) +
                   " items";
        }
        for (std::size_t i = 0; i < x->size(); ++i) {
            const Data& u = (*x)[i];
            const Data& v = (*y)[i];
            const std::string here = path + "/" + std::to_string(i);
            if (u.index() != v.index()) {
                return here + ": kinds " + std::to_string(u.index()) + " vs " +
                       std::to_string(v.index());
            }
            if (u.as_container() == nullptr) {
                if (!(u == v)) {
                    return here + ": leaf items differ";
                }
                continue;
            }
            const auto& cu = *u.as_container();
            const auto& cv = *v.as_container();
            if (const auto* su = cu.as_section()) {
                const auto* sv = cv.as_section();
                if (sv == nullptr) {
                    return here + ": a section vs a block";
                }
                if (su->id != sv->id || su->level != sv->level || su->name != sv->name ||
                    su->metadata != sv->metadata) {
                    return here + ": section fields differ (name '" + su->name.value_or("-") +
                           "' vs '" + sv->name.value_or("-") + "')";
                }
            } else if (const auto* bu = cu.as_block()) {
                const auto* bv = cv.as_block();
                if (bv == nullptr) {
                    return here + ": a block vs a section";
                }
                if (bu->id != bv->id || bu->attributes != bv->attributes) {
                    return here + ": block fields differ";
                }
            }
            work.emplace_back(&cu.children(), &cv.children(), here);
        }
    }
    return "metadata";
}

}  // namespace kerfa_content::testing
