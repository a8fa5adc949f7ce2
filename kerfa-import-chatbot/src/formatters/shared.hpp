#pragma once

#include <span>
#include <string>
#include <string_view>

#include "import_chatbot/model/image_reference.hpp"
#include "import_chatbot/model/message.hpp"

// What the Kerfa and the Markdown documents share. (Inside import_chatbot::formatters, the
// utility library is ::shared.)
namespace import_chatbot::formatters::shared {

// The message as Markdown: its content with every heading two levels down (below the message's
// own header), then each attachment as "**[name]**:" and its lines quoted, or
// "**[name]**: (no content)"; the parts joined with a blank line.
std::string format_body(const model::Message& message);

// "## " and the user's name for a message of the role "user", else the assistant's name, followed
// by " Thinking" or " Working" for those kinds. The names are written as given.
std::string get_section_header(const model::Message& message, std::string_view user_name,
                               std::string_view assistant_name);

// One Kerfa image element per image, `<image "file name">`, joined with "\n"; the name is
// escaped as a quoted value.
std::string format_images_kerfa(std::span<const model::ImageReference> images);

// One Markdown image per image, "![](folder/file name)", joined with "\n\n"; both parts of the
// link are encoded as the index links are, and an empty folder gives no "folder/".
std::string format_images_markdown(std::span<const model::ImageReference> images,
                                   std::string_view image_folder);

// The date line of a conversation: the first 10 bytes of the creation text (fewer where the
// tenth would split a character), or the whole of a shorter text.
std::string_view document_date(std::string_view created);

// The file name of a memory document: "· {title} - {date}{extension}", the middle dot (U+00B7)
// sorting it after the conversations, whose names begin with ASCII.
std::string collection_filename(std::string_view title, std::string_view date,
                                std::string_view extension);

// Appends the parts that are not empty, with a blank line between them when both are.
void append_non_empty(std::string_view first, std::string_view second, std::string& out);

}  // namespace import_chatbot::formatters::shared
