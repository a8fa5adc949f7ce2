#include "html_render/utils/unsafe_values.hpp"

#include <array>

namespace kerfa_render_html::html_render::utils {

namespace {

bool has_scheme(std::string_view target, std::size_t from, std::string_view scheme) {
    std::size_t matched = 0;
    for (std::size_t i = from; i < target.size() && matched < scheme.size(); ++i) {
        char c = target[i];
        if (c == '\t' || c == '\n' || c == '\r') {
            continue;
        }
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != scheme[matched]) {
            return false;
        }
        ++matched;
    }
    return matched == scheme.size();
}

}  // namespace

bool is_script_link(std::string_view target) {
    std::size_t from = 0;
    while (from < target.size() && static_cast<unsigned char>(target[from]) <= 0x20) {
        ++from;
    }
    static constexpr std::array<std::string_view, 3> kSchemes = {
        "javascript:", "vbscript:", "data:"};
    for (std::string_view scheme : kSchemes) {
        if (has_scheme(target, from, scheme)) {
            return true;
        }
    }
    return false;
}

}  // namespace kerfa_render_html::html_render::utils
