#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "formatters/formatter.hpp"
#include "kerfa_content/modules/renderer/renderer.hpp"
#include "kerfa_parser_markdown/configure/parser_factory.hpp"

namespace import_chatbot::formatters::kerfa_formatter {

// Kerfa documents. The frame (title, date, headers, metadata lines, indent blocks, images) is
// written here, escaped so that it reads back as written; message bodies and memory texts are
// Markdown, read by the Markdown importer and written by the canonical Kerfa writer.
class KerfaFormatter final : public Formatter {
  public:
    // One writer and one parser factory for the whole import, neither metered nor traced.
    KerfaFormatter();

    std::string_view file_extension() const override { return ".kerfa"; }
    std::string format_conversation(const model::Conversation& conversation,
                                    std::string_view user_name, std::string_view assistant_name,
                                    std::string_view image_folder) const override;

    // The Markdown text as canonical Kerfa; a blank text comes back unchanged.
    std::string convert_to_kerfa(std::string_view markdown) const;

    std::string format_collection(std::string_view title,
                                  const model::MemoryCollection& collection) const override;

  private:
    // The message's body and images as one indent block, or as several between the body's
    // headings when it has some.
    void append_message_body(std::string_view markdown, std::string_view images,
                             std::string& out) const;

    std::unique_ptr<kerfa_content::modules::renderer::Renderer> renderer_;
    kerfa_parser_markdown::configure::ParserFactory parser_factory_;
};

// Appends a text that must read back as one line of Kerfa text: backslashes doubled, "<"
// escaped, line feeds and carriage returns written "\n" and "\r", and, when the text starts the
// line, a first "#" or "@" escaped so it stays text.
void append_line_text(std::string_view text, bool starts_line, std::string& out);

}  // namespace import_chatbot::formatters::kerfa_formatter
