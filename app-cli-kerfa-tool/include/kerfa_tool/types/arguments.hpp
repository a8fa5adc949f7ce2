#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "kerfa_tool/types/command.hpp"

namespace kerfa_tool::types {

// Double-tag modes of the Kerfa parser that the command line can ask for.
inline constexpr std::uint8_t kStripDoubleTags = 1;
inline constexpr std::uint8_t kRemovePrivate = 3;

// The whole command line, read once.
struct Arguments {
    // The operand after the file of a conversion, or after the folder of ai-chats.
    std::optional<std::string> output;
    // Absent when the command line holds no positional argument at all.
    std::optional<Command> command;
    bool show_info = false;
    bool silent = false;
    std::uint8_t privacy = kRemovePrivate;
};

}  // namespace kerfa_tool::types
