#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formatters/formatter.hpp"
#include "import_chatbot/converter.hpp"
#include "import_chatbot/model/conversation.hpp"
#include "import_chatbot/model/memory.hpp"

namespace import_chatbot::converter {

// One document per conversation that has a message to show, in order, under unique names: a
// name is not given out twice, nor the name of another document's image folder, nor one of the
// reserved names (such as the index's) or their folders. Each conversation is released once its
// document is made, so the model and the documents are not held whole at the same time.
std::vector<ConvertedFile> format_conversations(std::vector<model::Conversation> conversations,
                                                const formatters::Formatter& formatter,
                                                std::string_view user_name,
                                                std::string_view assistant_name,
                                                std::span<const std::string> reserved_names = {});

// The general memories, then the project memories, each only when one of its entries has
// content that is not blank. A memory document whose name, or image folder, is among the names
// already given out (the index's, the conversations') gets the next free name, like a document.
std::vector<ConvertedFile> format_memory_files(const model::MemoryCollection& general,
                                               const model::MemoryCollection& projects,
                                               const formatters::Formatter& formatter,
                                               std::span<const std::string> taken_names = {});

// The image files to copy beside the conversation's document, each once, in message order. They
// share one folder, so an image whose file name another file already has there is renamed
// "stem - 2.ext" (then 3, ...) in its message too; the same file matched again keeps its name.
std::vector<model::ImageReference> collect_images(model::Conversation& conversation);

}  // namespace import_chatbot::converter
