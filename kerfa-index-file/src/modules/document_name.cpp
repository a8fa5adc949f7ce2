#include "modules/document_name.hpp"

#include <algorithm>
#include <array>

#include "shared/utils/utf8.hpp"

namespace kerfa_index_file::modules {

bool is_document_name(std::string_view name) {
    static constexpr std::array<std::string_view, 8> extensions{"md",  "markdown", "kerfa", "kfa",
                                                                "txt", "text",     "log",   "logs"};
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return false;
    }
    const std::string_view extension = name.substr(dot + 1);
    return std::ranges::find(extensions, extension) != extensions.end() &&
           shared::utils::is_valid_utf8(name);
}

}  // namespace kerfa_index_file::modules
