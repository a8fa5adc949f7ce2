#pragma once

#include <string>
#include <string_view>

#include "formatters/formatter.hpp"

namespace import_chatbot::formatters::markdown_formatter {

// Markdown documents, message bodies and memory texts as they are.
class MarkdownFormatter final : public Formatter {
  public:
    std::string_view file_extension() const override { return ".md"; }
    std::string format_conversation(const model::Conversation& conversation,
                                    std::string_view user_name, std::string_view assistant_name,
                                    std::string_view image_folder) const override;
    std::string format_memories(const model::MemoryCollection& collection) const override;
    std::string format_projects(const model::MemoryCollection& collection) const override;
    std::string memory_filename(const model::MemoryCollection& collection) const override;
    std::string project_filename(const model::MemoryCollection& collection) const override;

    // The document of a memory collection under the title.
    std::string format_collection(std::string_view title,
                                  const model::MemoryCollection& collection) const;
};

}  // namespace import_chatbot::formatters::markdown_formatter
