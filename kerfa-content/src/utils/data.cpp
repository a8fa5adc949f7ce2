#include "kerfa_content/utils/data.hpp"

#include <vector>

namespace kerfa_content::utils {

std::string get_content_starting_with(std::span<const data::structure::Data> items,
                                      std::size_t position) {
    std::string out;
    // Per inner span open: whether its text is left out (it or a span around it takes its own
    // value from its text).
    std::vector<bool> left_out;
    for (std::size_t i = position; i < items.size(); ++i) {
        const auto& item = items[i];
        if (const auto* property = item.as_property()) {
            const auto* element = property->as_element();
            const bool own_value = element != nullptr && element->needs_content;
            left_out.push_back(own_value || (!left_out.empty() && left_out.back()));
        } else if (item.is_terminator()) {
            if (left_out.empty()) {
                break;
            }
            left_out.pop_back();
        } else if (left_out.empty() || !left_out.back()) {
            // Containers, content and line breaks give their plain text; line markers nothing.
            item.text_append(out);
        }
    }
    return out;
}

}  // namespace kerfa_content::utils
