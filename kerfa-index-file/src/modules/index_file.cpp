#include "kerfa_index_file/modules/index_file.hpp"

#include <algorithm>
#include <string>

#include "kerfa_index_file/utils/link_encoder.hpp"
#include "kerfa_render_kerfa/utils/text.hpp"
#include "utils/strip_extension.hpp"

namespace kerfa_index_file::modules {

namespace {

constexpr std::string_view KERFA_HEADING = "###### <font-size 2em>Index<>\n<meta>index: none<>\n";
constexpr std::string_view MARKDOWN_HEADING = "# Index\n";

// The names are text of the document-link element, so they are escaped as Kerfa text is.
void append_kerfa_entry(std::string_view file_name, std::string& out) {
    out.append("\n###### <doc>");
    kerfa_render_kerfa::utils::append_escaped_text(utils::strip_extension(file_name), out);
    out.append("<>");
}

// Built piece by piece: a name holding "{link}" or "]" is written as it is.
void append_markdown_entry(std::string_view file_name, std::string& out) {
    out.append("\n###### [").append(utils::strip_extension(file_name)).append("](");
    utils::append_encoded_link(file_name, out);
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
