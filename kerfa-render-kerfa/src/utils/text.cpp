#include "utils/text.hpp"

namespace kerfa_render_kerfa::utils {

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

}  // namespace kerfa_render_kerfa::utils
