#include "kerfa_parser_markdown/configure/parser_factory.hpp"

#include "kerfa_parser_markdown/parser/parser.hpp"

namespace kerfa_parser_markdown::configure {

std::unique_ptr<kerfa_content::modules::parser::Parser> ParserFactory::new_parser() const {
    return setup.wrap(std::make_unique<parser::Parser>());
}

kerfa_content::modules::parser::types::ParseData ParserFactory::parse_from(
    std::string_view text) const {
    return new_parser()->parse_str(text);
}

}  // namespace kerfa_parser_markdown::configure
