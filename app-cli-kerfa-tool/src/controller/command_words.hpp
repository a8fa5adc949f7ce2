#pragma once

#include <optional>
#include <string_view>

#include "types/command.hpp"

namespace kerfa_tool::controller {

enum class CommandKind {
    Help,
    PrintAppInfo,
    Stats,
    Test,
    Convert,
    PrintSource,
    Hash,
    AiChats,
    Index,
};

struct CommandWord {
    CommandKind kind;
    // Meaningful for CommandKind::Convert only.
    types::ConvertTarget target = types::ConvertTarget::Html;
};

// The command a word names; words are exact and case-sensitive.
std::optional<CommandWord> find_command_word(std::string_view word);

}  // namespace kerfa_tool::controller
