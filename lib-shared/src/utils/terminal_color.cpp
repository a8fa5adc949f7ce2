#include "shared/utils/terminal_color.hpp"

#include <unistd.h>

#include <cstdlib>

namespace shared::utils::console {

namespace {

std::optional<std::string_view> environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string_view(value);
}

std::string_view sequence_of(BrightColor color) {
    switch (color) {
        case BrightColor::Black:
            return "\x1b[90m";
        case BrightColor::Red:
            return "\x1b[91m";
        case BrightColor::Green:
            return "\x1b[92m";
        case BrightColor::Yellow:
            return "\x1b[93m";
        case BrightColor::Magenta:
            return "\x1b[95m";
    }
    return {};
}

}  // namespace

bool decide_colors(std::optional<std::string_view> clicolor_force,
                   std::optional<std::string_view> no_color,
                   std::optional<std::string_view> clicolor, bool stdout_is_terminal) {
    if (clicolor_force && *clicolor_force != "0") {
        return true;
    }
    if (no_color) {
        return false;
    }
    return (!clicolor || *clicolor != "0") && stdout_is_terminal;
}

bool colors_enabled() {
    static const bool enabled =
        decide_colors(environment("CLICOLOR_FORCE"), environment("NO_COLOR"),
                      environment("CLICOLOR"), ::isatty(STDOUT_FILENO) == 1);
    return enabled;
}

std::string paint(std::string_view text, BrightColor color, bool enabled) {
    if (!enabled) {
        return std::string(text);
    }
    constexpr std::string_view reset = "\x1b[0m";
    const std::string_view open = sequence_of(color);
    std::string out(open);
    for (std::size_t found = text.find(reset); found != std::string_view::npos;
         found = text.find(reset)) {
        out.append(text.substr(0, found + reset.size())).append(open);
        text.remove_prefix(found + reset.size());
    }
    out.append(text).append(reset);
    return out;
}

std::string paint(std::string_view text, BrightColor color) {
    return paint(text, color, colors_enabled());
}

}  // namespace shared::utils::console
