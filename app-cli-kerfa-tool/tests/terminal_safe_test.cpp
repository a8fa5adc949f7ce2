#include "ui/console/terminal_safe.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kerfa_tool::ui::console::append_terminal_safe;

TEST(TerminalSafe, EscapesControlCharactersButTab) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Line 3: plain", "Line 3: plain"},
        {"", ""},
        {"a\tb", "a\tb"},
        {"\x1b[31mred", "\\u{1b}[31mred"},
        {std::string("nul\0end", 7), "nul\\u{00}end"},
        {"cr\r\nlf", "cr\\u{0d}\\u{0a}lf"},
        {"\x1f\x7f", "\\u{1f}\\u{7f}"},
        {" ~", " ~"},
        // Characters above ASCII, C1 controls included, are kept as they are.
        {"\u00e9\u0085\U0001F44D", "\u00e9\u0085\U0001F44D"},
    };
    for (const auto& [text, shown] : cases) {
        std::string out = "> ";
        append_terminal_safe(out, text);
        EXPECT_EQ(out, "> " + shown);
    }
}

}  // namespace
