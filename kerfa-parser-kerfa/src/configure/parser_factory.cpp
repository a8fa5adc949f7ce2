#include "kerfa_parser_kerfa/configure/parser_factory.hpp"

#include "kerfa_parser_kerfa/parser/parser.hpp"

namespace kerfa_parser_kerfa::configure {

std::unique_ptr<kerfa_content::modules::parser::Parser> ParserFactory::new_parser() const {
    return setup.wrap(std::make_unique<parser::Parser>(setup.trace, mode));
}

}  // namespace kerfa_parser_kerfa::configure
