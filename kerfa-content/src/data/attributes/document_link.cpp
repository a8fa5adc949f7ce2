#include "kerfa_content/data/attributes/document_link.hpp"

#include "utils/document_link_parser.hpp"

namespace kerfa_content::data::attributes {

std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == ':' && i + 1 < text.size() && (text[i + 1] == '?' || text[i + 1] == '#')) {
            out += "\\:";
        } else {
            out += c;
        }
    }
    return out;
}

std::string DocumentLink::to_string() const {
    std::string out;
    if (document) {
        out += *document;
    }
    if (filter) {
        out += ":?";
        out += escape(*filter);
    }
    if (select) {
        out += ":#";
        out += escape(*select);
    }
    return out;
}

DocumentLink DocumentLink::from_string(std::string_view text) {
    return utils::parse_document_link(text);
}

}  // namespace kerfa_content::data::attributes
