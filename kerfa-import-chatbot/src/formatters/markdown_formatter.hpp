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
    std::string format_collection(std::string_view title,
                                  const model::MemoryCollection& collection) const override;
};

}  // namespace import_chatbot::formatters::markdown_formatter
