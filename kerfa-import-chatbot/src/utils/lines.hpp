#pragma once

#include <cstddef>
#include <string_view>

namespace import_chatbot::utils {

// Calls visit with each line of the text: lines end at a line feed, a carriage return directly
// before it goes with it, and a final line feed starts no further line ("a\r\nb\n" is "a" and
// "b"; "" has no line). A lone carriage return stays in its line.
template <typename Visit>
void for_each_line(std::string_view text, Visit&& visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        } else if (end > start && text[end - 1] == '\r') {
            --end;
        }
        visit(text.substr(start, end - start));
        start = next;
    }
}

}  // namespace import_chatbot::utils
