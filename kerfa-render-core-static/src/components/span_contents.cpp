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

}  // namespace

SpanContents SpanContents::compute(std::span<const Data> items, std::size_t first,
                                   const renders::ComponentSet& set) {
    SpanContents result;
    auto& texts = result.texts_;
    std::vector<std::optional<std::size_t>> open;  // per open span: its text slot, if collected
    std::vector<std::size_t> collecting;           // slots of the open collected spans

    const auto close_innermost = [&] {
        const std::optional<std::size_t> slot = open.back();
        open.pop_back();
        if (slot) {
            collecting.pop_back();
            if (!collecting.empty()) {
                texts[collecting.back()].second += texts[*slot].second;
            }
        }
    };

    for (std::size_t j = first; j < items.size(); ++j) {
        const Data& item = items[j];
        if (item.as_property() != nullptr) {
            std::optional<std::size_t> slot;
            if (collects(item, set)) {
                slot = texts.size();
                texts.emplace_back(j, std::string());
                collecting.push_back(*slot);
            }
            open.push_back(slot);
        } else if (item.is_terminator()) {
            if (!open.empty()) {
                close_innermost();
            }
        } else if (!collecting.empty()) {
            std::string& text = texts[collecting.back()].second;
            if (const auto* container = item.as_container()) {
                container->text_append(text);
            } else if (const auto* content = item.as_content()) {
                content->text_append(text);
            } else if (item.as_line_break() != nullptr) {
                text += '\n';
            }
        }
    }
    while (!open.empty()) {
        close_innermost();
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
