#include "kerfa_index_file/modules/index_file.hpp"

#include <algorithm>
#include <string>

#include <fmt/format.h>

#include "kerfa_index_file/utils/link_encoder.hpp"
#include "kerfa_render_kerfa/utils/text.hpp"
#include "utils/strip_extension.hpp"

namespace kerfa_index_file::modules {

namespace {

constexpr std::string_view KERFA_HEADING = "###### <font-size 2em>Index<>\n<meta>index: none<>\n";
constexpr std::string_view MARKDOWN_HEADING = "# Index\n";

// The length of the control character (C0, DEL or C1) that begins the text, or 0.
std::size_t control_length(std::string_view text) {
    const auto first = static_cast<unsigned char>(text[0]);
    if (first < 0x20 || first == 0x7F) {
        return 1;
    }
    if (first == 0xC2 && text.size() > 1) {
        const auto second = static_cast<unsigned char>(text[1]);
        return second >= 0x80 && second <= 0x9F ? 2 : 0;
    }
    return 0;
}

// Writes the name piece by piece, each control character through `escape`, so that every entry
// stays on one line.
template <class Plain, class Escape>
void append_with_controls(std::string_view name, std::string& out, const Plain& plain,
                          const Escape& escape) {
    std::size_t done = 0;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = control_length(name.substr(i));
        if (length == 0) {
            ++i;
            continue;
        }
        plain(name.substr(done, i - done), out);
        escape(name.substr(i, length), out);
        i += length;
        done = i;
    }
    plain(name.substr(done), out);
}

// Line ends and tabs are written as escapes, so that every entry stays on one line; every other
// control character ends no line of Kerfa and reads back as it is, so it is written as it is.
void append_kerfa_name(std::string_view name, std::string& out) {
    std::size_t tab = 0;
    while ((tab = name.find('\t')) != std::string_view::npos) {
        kerfa_render_kerfa::utils::append_escaped_line_text(name.substr(0, tab), out);
        out.append("\\t");
        name.remove_prefix(tab + 1);
    }
    kerfa_render_kerfa::utils::append_escaped_line_text(name, out);
}

// Markdown reads a numeric character reference back as the character in link text, and a link
// target percent-decoded, in neither of which a raw line end may stand.
void append_markdown_control(std::string_view control, std::string& out) {
    const auto code =
        control.size() == 1
            ? static_cast<unsigned>(static_cast<unsigned char>(control[0]))
            : ((static_cast<unsigned>(static_cast<unsigned char>(control[0])) & 0x1FU) << 6U) |
                  (static_cast<unsigned>(static_cast<unsigned char>(control[1])) & 0x3FU);
    out.append(fmt::format("&#x{:X};", code));
}

void append_percent_encoded(std::string_view control, std::string& out) {
    for (const char byte : control) {
        out.append(fmt::format("%{:02X}", static_cast<unsigned char>(byte)));
    }
}

void append_plain(std::string_view text, std::string& out) {
    out.append(text);
}

// The names are text of the document-link element, so they are escaped as Kerfa text is.
void append_kerfa_entry(std::string_view file_name, std::string& out) {
    out.append("\n###### <doc>");
    append_kerfa_name(utils::strip_extension(file_name), out);
    out.append("<>");
}

// Built piece by piece: a name holding "{link}" or "]" is written as it is.
void append_markdown_entry(std::string_view file_name, std::string& out) {
    out.append("\n###### [");
    append_with_controls(utils::strip_extension(file_name), out, append_plain,
                         append_markdown_control);
    out.append("](");
    append_with_controls(file_name, out, utils::append_encoded_link, append_percent_encoded);
    out.push_back(')');
}

bool is_markdown(std::string_view extension) {
    return extension == ".md" || extension == ".markdown";
}

}  // namespace

types::IndexPlan generate_index_file(std::vector<std::string_view> file_names,
                                     std::string_view extension, std::string_view stem) {
    // string_view compares bytes as unsigned char: upper case before lower case, no collation.
    std::ranges::sort(file_names);
    const bool markdown = is_markdown(extension);

    // Room for every entry with its markup and some escapes; more only grows the text.
    std::size_t size = KERFA_HEADING.size();
    for (const std::string_view name : file_names) {
        size += 2 * name.size() + 16;
    }
    types::IndexPlan plan;
    plan.file_name.reserve(stem.size() + extension.size());
    plan.file_name.append(stem).append(extension);
    plan.content.reserve(size);
    plan.content.append(markdown ? MARKDOWN_HEADING : KERFA_HEADING);
    for (const std::string_view name : file_names) {
        if (markdown) {
            append_markdown_entry(name, plan.content);
        } else {
            append_kerfa_entry(name, plan.content);
        }
    }
    return plan;
}

}  // namespace kerfa_index_file::modules
