#include "kerfa_content/utils/section.hpp"

#include "shared/utils/white_space.hpp"

namespace kerfa_content::utils {

std::optional<std::string> first_line_text(const data::types::Section& section) {
    std::string out;
    for (const auto& item : section.children) {
        if (item.as_line_break() != nullptr) {
            break;
        }
        if (const auto* container = item.as_container()) {
            container->text_append(out);
        } else if (const auto* content = item.as_content()) {
            content->text_append(out);
        }
    }
    if (out.empty()) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> normalize_name(std::optional<std::string> name) {
    if (!name) {
        return std::nullopt;
    }
    const auto trimmed = shared::utils::trim(*name);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    if (trimmed.size() == name->size()) {
        return name;
    }
    return std::string(trimmed);
}

void update_from_heading(data::types::Section& section) {
    // Read through a const view: reaching the items for change would mark an arena list.
    const data::structure::DataList& children = section.children;
    if (children.empty()) {
        return;
    }
    const auto* marker = children.front().as_line_property();
    if (marker == nullptr) {
        return;
    }
    const auto* heading = std::get_if<data::types::Heading>(marker);
    if (heading == nullptr) {
        return;
    }
    section.level = heading->level;
    section.name = normalize_name(first_line_text(section));
}

}  // namespace kerfa_content::utils
