#pragma once

#include <optional>
#include <string>

#include "kerfa_parser_kerfa/components/char_iterator/double_tag_mode.hpp"
#include "types/command.hpp"

namespace kerfa_tool::types {

using kerfa_parser_kerfa::components::char_iterator::DoubleTagMode;

// The whole command line, read once.
struct Arguments {
    // The operand after the file of a conversion, or after the folder of ai-chats.
    std::optional<std::string> output;
    // Absent when the command line holds no positional argument at all.
    std::optional<Command> command;
    bool show_info = false;
    bool silent = false;
    // RemovePrivate, or Strip when a private option keeps private text.
    DoubleTagMode privacy = DoubleTagMode::RemovePrivate;
};

}  // namespace kerfa_tool::types
