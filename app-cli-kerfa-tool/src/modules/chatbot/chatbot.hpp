#pragma once

#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "import_chatbot/converter.hpp"
#include "kerfa_tool/types/exit_error.hpp"
#include "shared/utils/file_io.hpp"

namespace kerfa_tool::modules::chatbot {

// What the ai-chats command needs from the command line.
struct ChatbotSettings {
    // The export folder.
    std::string directory;
    // The output folder operand.
    std::optional<std::string> output;
    // The value of --index.
    std::optional<std::string> index_name;
    bool markdown = false;
    bool chatgpt = false;
    bool claude = false;
    bool silent = false;
};

// Plans the import of the export folder, then writes its documents with their images, the
// memory documents and the index into the output folder, with progress lines unless silent.
// Nothing is written when planning fails; the first failed write ends the command and what was
// written stays.
types::CommandResult convert_ai_history(const ChatbotSettings& settings);

// Creates the folder with its missing parents unless something (of any kind) is at the path.
types::CommandResult ensure_directory(std::string_view path);

// Where the documents go: the folder's path, for messages, and the folder written into by name,
// never through a link planted there.
struct Destination {
    std::string path;
    shared::utils::OutputFolder folder;
};

// Writes the file of that name into the destination, replacing what is there.
types::CommandResult write_file(const Destination& destination, std::string_view name,
                                std::string_view text);

// Writes each document into the destination and copies its images into its image folder
// (replacing what is there); gives the names written.
std::expected<std::vector<std::string>, types::ExitError> write_converted_files(
    std::span<const import_chatbot::converter::ConvertedFile> files,
    const Destination& destination);

}  // namespace kerfa_tool::modules::chatbot
