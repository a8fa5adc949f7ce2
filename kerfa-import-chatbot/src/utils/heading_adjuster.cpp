#include "utils/heading_adjuster.hpp"

#include "utils/lines.hpp"

namespace import_chatbot::utils {

std::string adjust_headings(std::string_view text, std::size_t shift) {
    std::string out;
    out.reserve(text.size() + shift * 4);
    bool in_fence = false;
    bool first = true;
    for_each_line(text, [&](std::string_view line) {
        if (!first) {
            out += '\n';
        }
        first = false;
        if (line.starts_with("```")) {
            in_fence = !in_fence;
        } else if (!in_fence && line.starts_with('#')) {
            const std::size_t level = line.find_first_not_of('#');
            if (level == std::string_view::npos || line[level] == ' ') {
                out.append(shift, '#');
            }
        }
        out += line;
    });
    return out;
}

}  // namespace import_chatbot::utils
