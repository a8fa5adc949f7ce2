#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>

#include "import_chatbot/error.hpp"
#include "import_chatbot/formatters.hpp"
#include "import_chatbot/plan.hpp"
#include "import_chatbot/provider.hpp"

namespace import_chatbot::pipeline {

// What the command asks of an import besides the export folder.
struct ImportRequest {
    // The --index value.
    std::optional<std::string> index_name = {};
    // Markdown when asked for; an index name's extension overrides it.
    formatters::OutputFormat format = formatters::OutputFormat::Kerfa;
    // 0 Claude, 1 ChatGPT, provider::DETECT_PROVIDER to decide from the folder.
    std::uint8_t provider = provider::DETECT_PROVIDER;
    // The output folder operand.
    std::optional<std::string> output_folder = {};
};

// Reads the export folder and plans every document, image copy and the index. In order, the
// first failure ending it: the folder (DirectoryNotFound, NotADirectory, NoConversations), the
// index name (IndexFailed), then the export's JSON files. Writes nothing. The image walk leaves
// out what runs wrote into the export's two default output folders and this run's output folder
// (never the images the export keeps there), so a run never matches an earlier run's copies.
std::expected<plan::ImportPlan, error::ImportError> plan_import(std::string_view folder,
                                                                const ImportRequest& request);

}  // namespace import_chatbot::pipeline
