#include "utils/strip_extension.hpp"

#include <array>

namespace kerfa_index_file::utils {

std::string_view strip_extension(std::string_view file_name) {
    // No name ends in two of these, so the order does not matter.
    static constexpr std::array<std::string_view, 8> suffixes{
        ".kerfa", ".kfa", ".md", ".markdown", ".txt", ".text", ".log", ".logs"};
    for (const std::string_view suffix : suffixes) {
        if (file_name.ends_with(suffix)) {
            return file_name.substr(0, file_name.size() - suffix.size());
        }
    }
    return file_name;
}

}  // namespace kerfa_index_file::utils
