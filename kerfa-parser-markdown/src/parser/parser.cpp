#include "kerfa_parser_markdown/parser/parser.hpp"

#include <string>

#include "parser/import_events.hpp"

namespace kerfa_parser_markdown::parser {

Parser::ParseData Parser::parse_chars(std::unique_ptr<CharIterator> chars) {
    const std::string text = chars->to_string();
    chars.reset();
    return parse(text);
}

Parser::ParseData Parser::parse_str(std::string_view text) {
    return parse(text);
}

Parser::ParseData Parser::parse(std::string_view text) {
    return import_text(text);
}

}  // namespace kerfa_parser_markdown::parser
