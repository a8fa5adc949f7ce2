#pragma once

#include <optional>
#include <string>
#include <variant>

#include "kerfa_document_manager/types/convert_target.hpp"

namespace kerfa_tool::types {

using kerfa_document_manager::types::ConvertTarget;

// One command of the command line with its operands. The order of the alternatives is fixed:
// main dispatches on it.
struct Command {
    struct Help {};
    struct PrintAppInfo {};
    struct Stats {
        std::string file;
    };
    struct Test {
        std::string file;
    };
    struct Convert {
        ConvertTarget target;
        std::string file;
    };
    struct PrintSource {
        std::optional<std::string> section;
        std::string file;
    };
    struct Hash {
        std::string file;
    };
    struct AiChats {
        bool markdown = false;
        bool chatgpt = false;
        bool claude = false;
        std::optional<std::string> index_name;
        std::string directory;
    };
    struct Index {
        bool markdown = false;
        std::optional<std::string> index_name;
        std::string directory;
    };
    struct InvalidCommand {
        std::string message;
    };

    using Variant = std::variant<Help, PrintAppInfo, Stats, Test, Convert, PrintSource, Hash,
                                 AiChats, Index, InvalidCommand>;
    Variant value;

    static Command hash(std::string file) { return {Hash{std::move(file)}}; }
    static Command invalid(std::string message) { return {InvalidCommand{std::move(message)}}; }
    static Command to_html(std::string file) {
        return {Convert{ConvertTarget::Html, std::move(file)}};
    }
};

}  // namespace kerfa_tool::types
