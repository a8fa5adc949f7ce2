#include "formatters/shared.hpp"

#include "kerfa_index_file/utils/link_encoder.hpp"
#include "kerfa_render_kerfa/utils/text.hpp"
#include "utils/char_boundary.hpp"
#include "utils/heading_adjuster.hpp"
#include "utils/lines.hpp"

namespace import_chatbot::formatters::shared {
namespace {

constexpr std::size_t HEADING_SHIFT = 2;
constexpr std::size_t DATE_BYTES = 10;

void append_attachment(const model::Attachment& attachment, std::string& out) {
    out += "**[";
    out += attachment.name;
    if (attachment.content.empty()) {
        out += "]**: (no content)";
        return;
    }
    out += "]**:";
    utils::for_each_line(attachment.content, [&out](std::string_view line) {
        out += "\n> ";
        out += line;
    });
}

}  // namespace

std::string format_body(const model::Message& message) {
    std::string body;
    if (!message.content.empty()) {
        body = utils::adjust_headings(message.content, HEADING_SHIFT);
    }
    bool first = message.content.empty();
    for (const model::Attachment& attachment : message.attachments) {
        if (!first) {
            body += "\n\n";
        }
        first = false;
        append_attachment(attachment, body);
    }
    return body;
}

std::string get_section_header(const model::Message& message, std::string_view user_name,
                               std::string_view assistant_name) {
    std::string header = "## ";
    switch (message.kind) {
        case model::MessageKind::Standard:
            header += message.role == "user" ? user_name : assistant_name;
            break;
        case model::MessageKind::Thinking:
            header.append(assistant_name).append(" Thinking");
            break;
        case model::MessageKind::Working:
            header.append(assistant_name).append(" Working");
            break;
    }
    return header;
}

std::string format_images_kerfa(std::span<const model::ImageReference> images) {
    std::string out;
    for (const model::ImageReference& image : images) {
        if (!out.empty()) {
            out += '\n';
        }
        out += "<image \"";
        kerfa_render_kerfa::utils::append_escaped_special_characters(image.file_name, out);
        out += "\">";
    }
    return out;
}

std::string format_images_markdown(std::span<const model::ImageReference> images,
                                   std::string_view image_folder) {
    std::string out;
    for (const model::ImageReference& image : images) {
        if (!out.empty()) {
            out += "\n\n";
        }
        out += "![](";
        if (!image_folder.empty()) {
            kerfa_index_file::utils::append_encoded_link(image_folder, out);
            out += '/';
        }
        kerfa_index_file::utils::append_encoded_link(image.file_name, out);
        out += ')';
    }
    return out;
}

std::string_view document_date(std::string_view created) {
    if (created.size() <= DATE_BYTES) {
        return created;
    }
    return created.substr(0, utils::floor_char_boundary(created, DATE_BYTES));
}

std::string collection_filename(std::string_view title, std::string_view date,
                                std::string_view extension) {
    std::string name = "\u00b7 ";
    name.append(title).append(" - ").append(date).append(extension);
    return name;
}

void append_non_empty(std::string_view first, std::string_view second, std::string& out) {
    out += first;
    if (!first.empty() && !second.empty()) {
        out += "\n\n";
    }
    out += second;
}

}  // namespace import_chatbot::formatters::shared
