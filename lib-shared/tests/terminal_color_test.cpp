#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/utils/terminal_color.hpp"

namespace {

namespace console = shared::utils::console;
using Env = std::optional<std::string_view>;

TEST(TerminalColor, DecisionMatrix) {
    struct Case {
        Env clicolor_force;
        Env no_color;
        Env clicolor;
        bool terminal;
        bool expected;
    };
    const Env unset = std::nullopt;
    const std::vector<Case> cases = {
        // Nothing set: the terminal decides.
        {unset, unset, unset, true, true},
        {unset, unset, unset, false, false},
        // CLICOLOR_FORCE other than "0" wins over everything, even the empty text.
        {"1", unset, unset, false, true},
        {"", unset, unset, false, true},
        {"yes", "1", "0", false, true},
        // CLICOLOR_FORCE=0 is as if unset.
        {"0", unset, unset, true, true},
        {"0", unset, unset, false, false},
        // NO_COLOR set to anything, "0" and "" included, suppresses.
        {unset, "1", unset, true, false},
        {unset, "0", unset, true, false},
        {unset, "", unset, true, false},
        {"0", "", unset, true, false},
        // CLICOLOR=0 suppresses; any other value needs a terminal.
        {unset, unset, "0", true, false},
        {unset, unset, "1", true, true},
        {unset, unset, "", true, true},
        {unset, unset, "1", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(console::decide_colors(c.clicolor_force, c.no_color, c.clicolor, c.terminal),
                  c.expected)
            << c.clicolor_force.value_or("<unset>") << " / " << c.no_color.value_or("<unset>")
            << " / " << c.clicolor.value_or("<unset>") << " / " << c.terminal;
    }
}

TEST(TerminalColor, PaintWrapsOnlyWhenEnabled) {
    using console::BrightColor;
    struct Case {
        std::string text;
        BrightColor color;
        bool enabled;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"help", BrightColor::Yellow, true, "\x1b[93mhelp\x1b[0m"},
        {"<file>", BrightColor::Magenta, true, "\x1b[95m<file>\x1b[0m"},
        {"|", BrightColor::Black, true, "\x1b[90m|\x1b[0m"},
        {"File not found: a", BrightColor::Red, true, "\x1b[91mFile not found: a\x1b[0m"},
        {"ok", BrightColor::Green, true, "\x1b[92mok\x1b[0m"},
        {"", BrightColor::Red, true, "\x1b[91m\x1b[0m"},
        {"help", BrightColor::Yellow, false, "help"},
        // A reset inside the text would end the colour early; the colour is opened again.
        {"a\x1b[0mb", BrightColor::Red, true, "\x1b[91ma\x1b[0m\x1b[91mb\x1b[0m"},
        {"a\x1b[0mb", BrightColor::Red, false, "a\x1b[0mb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(console::paint(c.text, c.color, c.enabled), c.expected) << c.text;
    }
}

}  // namespace
