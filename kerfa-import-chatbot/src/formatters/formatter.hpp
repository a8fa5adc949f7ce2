#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "import_chatbot/formatters.hpp"
#include "import_chatbot/model/conversation.hpp"
#include "import_chatbot/model/memory.hpp"

namespace import_chatbot::formatters {

// Writes the documents of one import in one output form.
class Formatter {
  public:
    virtual ~Formatter() = default;

    // With its dot.
    virtual std::string_view file_extension() const = 0;
    // The whole document of a conversation: its title, its date and one entry per message that
    // has something to show. The image folder is where the document's images are copied.
    virtual std::string format_conversation(const model::Conversation& conversation,
                                            std::string_view user_name,
                                            std::string_view assistant_name,
                                            std::string_view image_folder) const = 0;
    // The documents of the general and the project memories, "Memories" and "Projects".
    virtual std::string format_memories(const model::MemoryCollection& collection) const {
        return format_collection("Memories", collection);
    }
    virtual std::string format_projects(const model::MemoryCollection& collection) const {
        return format_collection("Projects", collection);
    }
    // "· Memories - {date}" and "· Projects - {date}" with the extension.
    virtual std::string memory_filename(const model::MemoryCollection& collection) const;
    virtual std::string project_filename(const model::MemoryCollection& collection) const;

    // The document of a memory collection under the title: its entries' contents are not
    // heading-shifted, and blank ones are kept.
    virtual std::string format_collection(std::string_view title,
                                          const model::MemoryCollection& collection) const = 0;
};

// The formatter of the form, made once for a whole import.
std::unique_ptr<Formatter> formatter(OutputFormat format);

}  // namespace import_chatbot::formatters
