#pragma once

#include <memory>
#include <string_view>

#include "kerfa_content/modules/factory_setup.hpp"
#include "kerfa_content/modules/parser/parser.hpp"
#include "kerfa_content/modules/parser/types/parse_data.hpp"
#include "kerfa_content/types/source.hpp"
#include "kerfa_document_manager/types/document_type.hpp"
#include "kerfa_parser_kerfa/configure/parser_factory.hpp"
#include "kerfa_parser_markdown/configure/parser_factory.hpp"
#include "kerfa_parser_text/configure/parser_factory.hpp"

namespace kerfa_document_manager::configure {

using kerfa_parser_kerfa::components::char_iterator::DoubleTagMode;

// Chooses the parser for a source by its extension. Holds the factory of every parser library,
// each with a copy of the same setup (a copy shares the one metrics store).
struct ParserFactory {
    kerfa_content::modules::FactorySetup setup;
    kerfa_parser_kerfa::configure::ParserFactory kerfa;
    kerfa_parser_markdown::configure::ParserFactory markdown;
    kerfa_parser_text::configure::ParserFactory text;

    static ParserFactory with_setup(const kerfa_content::modules::FactorySetup& setup,
                                    DoubleTagMode mode);

    // The parser for the source's document type, wrapped once more as this factory's setup asks
    // (meter, then trace outermost).
    std::unique_ptr<kerfa_content::modules::parser::Parser> new_parser(
        const kerfa_content::types::Source& source) const;

    // new_parser for the source, then its parse_str on the text.
    kerfa_content::modules::parser::types::ParseData parse_from(
        std::string_view text, const kerfa_content::types::Source& source) const;

    // The type of the source's extension; no extension is Text.
    static types::DocumentType document_type(const kerfa_content::types::Source& source);
};

}  // namespace kerfa_document_manager::configure
