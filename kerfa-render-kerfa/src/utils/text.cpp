#include "kerfa_render_kerfa/utils/text.hpp"

#include <array>

namespace kerfa_render_kerfa::utils {

namespace {

// One look-up per byte keeps the common text, with none of these, a single scan and one append.
constexpr std::array<bool, 256> LINE_TEXT_SPECIAL = [] {
    std::array<bool, 256> special{};
    for (const unsigned char c : {'\\', '<', '\n', '\r'}) {
        special[c] = true;
    }
    return special;
}();

}  // namespace

void append_escaped_text(std::string_view text, std::string& out) {
    std::size_t done = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == '<') {
            out.append(text.substr(done, i - done));
            out += '\\';
            out += c;
            done = i + 1;
        }
    }
    out.append(text.substr(done));
}

void append_escaped_line_text(std::string_view text, std::string& out) {
    std::size_t done = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!LINE_TEXT_SPECIAL[static_cast<unsigned char>(c)]) {
            continue;
        }
        out.append(text.substr(done, i - done));
        out += '\\';
        out += c == '\n' ? 'n' : c == '\r' ? 'r' : c;
        done = i + 1;
    }
    out.append(text.substr(done));
}

}  // namespace kerfa_render_kerfa::utils
