#include "kerfa_parser_kerfa/parser/parser.hpp"

#include "components/char_iterator/char_source.hpp"
#include "parser/parse_driver.hpp"

namespace kerfa_parser_kerfa::parser {

using components::char_iterator::BoxedCharSource;
using components::char_iterator::StrCharSource;

Parser::ParseData Parser::parse_chars(std::unique_ptr<CharIterator> chars) {
    return parse(std::move(chars));
}

// Reads the text directly rather than through a boxed source: the same characters, without a
// virtual call per character.
Parser::ParseData Parser::parse_str(std::string_view text) {
    return run_parse(StrCharSource(text), trace_, mode_);
}

Parser::ParseData Parser::parse_str_each(std::string_view text,
                                         const kerfa_content::modules::parser::SectionSink& each) {
    return run_parse(StrCharSource(text), trace_, mode_, &each);
}

Parser::ParseData Parser::parse(std::unique_ptr<CharIterator> chars) const {
    return run_parse(BoxedCharSource(std::move(chars)), trace_, mode_);
}

}  // namespace kerfa_parser_kerfa::parser
