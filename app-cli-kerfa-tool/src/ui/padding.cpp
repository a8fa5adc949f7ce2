#include "ui/padding.hpp"

#include "shared/utils/utf8.hpp"

namespace kerfa_tool::ui {

std::string pad_right(std::string_view text, std::size_t columns) {
    std::string out(text);
    std::size_t width = shared::utils::count_chars(text);
    if (width < columns) {
        out.append(columns - width, ' ');
    }
    return out;
}

}  // namespace kerfa_tool::ui
