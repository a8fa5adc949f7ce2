#include "kerfa_content/modules/parser/types/parse_data.hpp"

#include <utility>

namespace kerfa_content::modules::parser::types {

data::types::Document to_document(ParseData parse, kerfa_content::types::Source source) {
    data::types::Document document;
    document.id = 0;
    document.source = std::move(source);
    document.metadata = std::move(parse.metadata);
    document.storage = std::move(parse.storage);
    document.children = std::move(parse.content);
    return document;
}

}  // namespace kerfa_content::modules::parser::types
