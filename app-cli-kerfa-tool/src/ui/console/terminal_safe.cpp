#include "ui/console/terminal_safe.hpp"

namespace kerfa_tool::ui::console {

namespace {

bool is_unsafe(unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

}  // namespace

void append_terminal_safe(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::size_t kept_from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!is_unsafe(c)) {
            continue;
        }
        out.append(text.substr(kept_from, i - kept_from));
        out.append("\\u{");
        out.push_back(kHex[c >> 4]);
        out.push_back(kHex[c & 0x0F]);
        out.push_back('}');
        kept_from = i + 1;
    }
    out.append(text.substr(kept_from));
}

}  // namespace kerfa_tool::ui::console
