#include "formatters/markdown_formatter.hpp"

#include <fmt/format.h>

#include <algorithm>

#include "formatters/shared.hpp"

namespace import_chatbot::formatters::markdown_formatter {

std::string MarkdownFormatter::format_conversation(const model::Conversation& conversation,
                                                   std::string_view user_name,
                                                   std::string_view assistant_name,
                                                   std::string_view image_folder) const {
    std::string out = "# ";
    // A line end would end the heading and leave the rest of the title as a paragraph.
    const std::size_t title_start = out.size();
    out += conversation.title;
    std::replace_if(
        out.begin() + static_cast<std::ptrdiff_t>(title_start), out.end(),
        [](char c) { return c == '\n' || c == '\r'; }, ' ');
    out += '\n';
    out += shared::document_date(conversation.created);
    out += '\n';
    for (const model::Message& message : conversation.messages) {
        if (!message.has_something_to_show()) {
            continue;
        }
        out += '\n';
        out += shared::get_section_header(message, user_name, assistant_name);
        out += "\n\n";
        shared::append_non_empty(shared::format_body(message),
                                 shared::format_images_markdown(message.images, image_folder), out);
        out += '\n';
    }
    return out;
}

std::string MarkdownFormatter::format_collection(std::string_view title,
                                                 const model::MemoryCollection& collection) const {
    std::string out = fmt::format("# {}\n{}\n", title, collection.date);
    for (const model::MemoryEntry& entry : collection.entries) {
        out += "\n## ";
        out += entry.title;
        out += "\n\n";
        out += entry.content;
        out += '\n';
    }
    return out;
}

}  // namespace import_chatbot::formatters::markdown_formatter
