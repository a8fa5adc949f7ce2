#include "kerfa_content/utils/data.hpp"

namespace kerfa_content::utils {

std::string get_content_starting_with(std::span<const data::structure::Data> items,
                                      std::size_t position) {
    std::string out;
    std::size_t open_spans = 0;
    for (std::size_t i = position; i < items.size(); ++i) {
        const auto& item = items[i];
        if (item.as_property() != nullptr) {
            ++open_spans;
        } else if (item.is_terminator()) {
            if (open_spans == 0) {
                break;
            }
            --open_spans;
        } else {
            // Containers, content and line breaks give their plain text; line markers nothing.
            item.text_append(out);
        }
    }
    return out;
}

}  // namespace kerfa_content::utils
