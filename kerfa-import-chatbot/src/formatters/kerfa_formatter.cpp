#include "formatters/kerfa_formatter.hpp"

#include "formatters/kerfa_blocks.hpp"
#include "formatters/shared.hpp"
#include "kerfa_render_kerfa/configure/renderer_factory.hpp"
#include "kerfa_render_kerfa/utils/text.hpp"
#include "shared/utils/white_space.hpp"

namespace import_chatbot::formatters::kerfa_formatter {
namespace {

// "# title\ndate\n": the first line group of every document.
void append_title_and_date(std::string_view title, std::string_view date, std::string& out) {
    out += "# ";
    append_line_text(title, false, out);
    out += '\n';
    append_line_text(date, true, out);
    out += '\n';
}

}  // namespace

void append_line_text(std::string_view text, bool starts_line, std::string& out) {
    if (starts_line && !text.empty() && (text.front() == '#' || text.front() == '@')) {
        out += '\\';
    }
    kerfa_render_kerfa::utils::append_escaped_line_text(text, out);
}

KerfaFormatter::KerfaFormatter()
    : renderer_(kerfa_render_kerfa::configure::RendererFactory{}.min_renderer()) {}

std::string KerfaFormatter::convert_to_kerfa(std::string_view markdown) const {
    if (::shared::utils::is_blank(markdown)) {
        return std::string(markdown);
    }
    return renderer_->render_all(parser_factory_.parse_from(markdown).content);
}

void KerfaFormatter::append_message_body(std::string_view markdown, std::string_view images,
                                         std::string& out) const {
    std::string body;
    if (!::shared::utils::is_blank(markdown)) {
        const auto parse = parser_factory_.parse_from(markdown);
        if (has_heading(parse.content)) {
            append_blocks_between_headings(parse.content, images, *renderer_, out);
            return;
        }
        body = renderer_->render_all(parse.content);
    } else {
        body = markdown;
    }
    out += "<in>";
    shared::append_non_empty(body, images, out);
    out += "<>\n";
}

std::string KerfaFormatter::format_conversation(const model::Conversation& conversation,
                                                std::string_view user_name,
                                                std::string_view assistant_name,
                                                std::string_view /*image_folder*/) const {
    std::string user;
    std::string assistant;
    append_line_text(user_name, false, user);
    append_line_text(assistant_name, false, assistant);

    std::string out;
    append_title_and_date(conversation.title, shared::document_date(conversation.created), out);
    for (const model::Message& message : conversation.messages) {
        if (!message.has_something_to_show()) {
            continue;
        }
        out += '\n';
        out += shared::get_section_header(message, user, assistant);
        out += "\n<meta>created ";
        kerfa_render_kerfa::utils::append_escaped_text(message.timestamp, out);
        out += "<>\n\n";
        append_message_body(shared::format_body(message),
                            shared::format_images_kerfa(message.images), out);
    }
    return out;
}

std::string KerfaFormatter::format_collection(std::string_view title,
                                              const model::MemoryCollection& collection) const {
    std::string out;
    append_title_and_date(title, collection.date, out);
    for (const model::MemoryEntry& entry : collection.entries) {
        out += "\n## ";
        append_line_text(entry.title, false, out);
        out += "\n\n";
        out += convert_to_kerfa(entry.content);
        out += '\n';
    }
    return out;
}

}  // namespace import_chatbot::formatters::kerfa_formatter
