#pragma once

#include <string>
#include <vector>

#include "import_chatbot/converter.hpp"
#include "import_chatbot/formatters.hpp"
#include "import_chatbot/provider.hpp"
#include "kerfa_index_file/types/index_plan.hpp"

namespace import_chatbot::plan {

// Everything an import writes, computed before anything is written.
struct ImportPlan {
    // One per conversation that has something to show, in the export's order.
    std::vector<converter::ConvertedFile> conversations;
    // The memory documents of a Claude export with memories.json; otherwise none.
    std::vector<converter::ConvertedFile> memories;
    // Lists the conversation documents, then the memory documents.
    kerfa_index_file::types::IndexPlan index;
    provider::Provider provider = provider::Provider::Claude;
    formatters::OutputFormat format = formatters::OutputFormat::Kerfa;
    // Where the documents go: the output folder asked for, else the export folder joined with
    // "Kerfa" or "Markdown" by the format.
    std::string output_folder;
};

}  // namespace import_chatbot::plan
