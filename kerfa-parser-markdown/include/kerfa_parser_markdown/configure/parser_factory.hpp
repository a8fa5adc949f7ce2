#pragma once

#include <memory>
#include <string_view>

#include "kerfa_content/modules/factory_setup.hpp"
#include "kerfa_content/modules/parser/parser.hpp"

namespace kerfa_parser_markdown::configure {

// Makes Markdown importers, wrapped as the setup asks.
struct ParserFactory {
    kerfa_content::modules::FactorySetup setup;

    // A new importer owned by the caller: metered when the setup holds a store, then traced.
    std::unique_ptr<kerfa_content::modules::parser::Parser> new_parser() const;

    // One import of the text with a parser made for it.
    kerfa_content::modules::parser::types::ParseData parse_from(std::string_view text) const;
};

}  // namespace kerfa_parser_markdown::configure
