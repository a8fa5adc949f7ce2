#pragma once

#include <optional>
#include <string>

#include "kerfa_tool/types/exit_error.hpp"

namespace kerfa_tool::modules::index {

// What the index command needs from the command line.
struct IndexSettings {
    std::string directory;
    std::optional<std::string> index_name;  // the value of --index
    bool markdown = false;
    bool silent = false;
};

// Writes the index document of the folder into the folder, with its progress lines unless
// silent. Nothing is written when the folder cannot be listed.
types::CommandResult run_index(const IndexSettings& settings);

}  // namespace kerfa_tool::modules::index
