#pragma once

#include <memory>

#include "kerfa_content/modules/factory_setup.hpp"
#include "kerfa_content/modules/parser/parser.hpp"

namespace kerfa_parser_text::configure {

// Makes plain-text parsers, wrapped as the setup asks.
struct ParserFactory {
    kerfa_content::modules::FactorySetup setup;

    // A new parser owned by the caller: metered when the setup holds a store, then traced.
    std::unique_ptr<kerfa_content::modules::parser::Parser> new_parser() const;
};

}  // namespace kerfa_parser_text::configure
