#include "kerfa_parser_text/configure/parser_factory.hpp"

#include "kerfa_parser_text/parser/parser.hpp"

namespace kerfa_parser_text::configure {

std::unique_ptr<kerfa_content::modules::parser::Parser> ParserFactory::new_parser() const {
    return setup.wrap(std::make_unique<parser::Parser>());
}

}  // namespace kerfa_parser_text::configure
