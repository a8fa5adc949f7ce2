#include "span_contents.hpp"

#include <optional>

#include "shared/utils/fault.hpp"

namespace kerfa_render_core_static::components {

namespace {

using kerfa_content::data::structure::Data;

// Whether the walker will ask for the text of this opener.
bool collects(const Data& item, const renders::ComponentSet& set) {
    const auto* property = item.as_property();
    const auto* element = property != nullptr ? property->as_element() : nullptr;
    if (element == nullptr || !element->needs_content) {
        return false;
    }
    // An id past the table is left for the walker to report when it reaches it.
    return element->id < set.properties.size() && set.properties[element->id] &&
           set.properties[element->id]->uses_content();
}

// Whether the opener takes its value from its text.
bool takes_own_value(const Data& item) {
    const auto* property = item.as_property();
    const auto* element = property != nullptr ? property->as_element() : nullptr;
    return element != nullptr && element->needs_content;
}

}  // namespace

SpanContents SpanContents::compute(std::span<const Data> items, std::size_t first,
                                   const renders::ComponentSet& set) {
    SpanContents result;
    auto& texts = result.texts_;
    // Per open span: whether it takes its value from its text.
    std::vector<bool> open;
    // Per open span that takes its value from its text: its text slot, when its text is read.
    std::vector<std::optional<std::size_t>> values;

    for (std::size_t j = first; j < items.size(); ++j) {
        const Data& item = items[j];
        if (item.as_property() != nullptr) {
            const bool own_value = takes_own_value(item);
            open.push_back(own_value);
            if (own_value) {
                std::optional<std::size_t> slot;
                if (collects(item, set)) {
                    slot = texts.size();
                    texts.emplace_back(j, std::string());
                }
                values.push_back(slot);
            }
        } else if (item.is_terminator()) {
            if (!open.empty()) {
                if (open.back()) {
                    values.pop_back();
                }
                open.pop_back();
            }
        } else if (!values.empty() && values.back()) {
            // A text belongs to the value of the innermost span that takes one from its text.
            std::string& text = texts[*values.back()].second;
            if (const auto* container = item.as_container()) {
                container->text_append(text);
            } else if (const auto* content = item.as_content()) {
                content->text_append(text);
            } else if (item.as_line_break() != nullptr) {
                text += '\n';
            }
        }
    }
    return result;
}

std::string_view SpanContents::take(std::size_t index) {
    while (cursor_ < texts_.size() && texts_[cursor_].first < index) {
        ++cursor_;
    }
    if (cursor_ == texts_.size() || texts_[cursor_].first != index) {
        shared::utils::internal_fault("A span's text was asked for out of order.");
    }
    return texts_[cursor_].second;
}

}  // namespace kerfa_render_core_static::components
