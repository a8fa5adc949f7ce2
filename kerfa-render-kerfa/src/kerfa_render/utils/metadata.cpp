#include "kerfa_render/utils/metadata.hpp"

#include "kerfa_render_kerfa/utils/text.hpp"

namespace kerfa_render_kerfa::kerfa_render::utils {

namespace {

void append_pair(std::string_view key, std::string_view value, std::string& out) {
    kerfa_render_kerfa::utils::append_escaped_text(key, out);
    out += ": ";
    kerfa_render_kerfa::utils::append_escaped_text(value, out);
}

}  // namespace

void append_field(std::string_view key, std::string_view value, std::string& out) {
    append_pair(key, value, out);
    out += '\n';
}

void append_metadata(const kerfa_content::types::Metadata& metadata, std::string& out) {
    append_metadata_block("metadata", metadata, out);
}

void append_metadata_block(std::string_view element, const kerfa_content::types::Metadata& metadata,
                           std::string& out) {
    // The map is kept in byte order of its keys.
    const auto& pairs = metadata.data();
    if (pairs.empty()) {
        return;
    }
    out += '<';
    out += element;
    out += '>';
    if (pairs.size() == 1) {
        append_pair(pairs.begin()->first, pairs.begin()->second, out);
        out += "<>\n";
        return;
    }
    out += '\n';
    for (const auto& [key, value] : pairs) {
        append_field(key, value, out);
    }
    out += "<>\n";
}

}  // namespace kerfa_render_kerfa::kerfa_render::utils
