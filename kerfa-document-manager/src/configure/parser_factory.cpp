#include "kerfa_document_manager/configure/parser_factory.hpp"

#include "utils/source.hpp"

namespace kerfa_document_manager::configure {

namespace {

using kerfa_content::modules::parser::Parser;

// One arm per document type. The Markdown importer and the plain-text parser are not part of the
// tool yet: until their arms are filled in, Markdown falls back to the plain-text arm and that one
// to the Kerfa parser, the one parser there is.
std::unique_ptr<Parser> markdown_parser(const ParserFactory& factory);
std::unique_ptr<Parser> text_parser(const ParserFactory& factory);

std::unique_ptr<Parser> kerfa_parser(const ParserFactory& factory) {
    return factory.kerfa.new_parser();
}

std::unique_ptr<Parser> markdown_parser(const ParserFactory& factory) {
    return text_parser(factory);
}

std::unique_ptr<Parser> text_parser(const ParserFactory& factory) {
    return kerfa_parser(factory);
}

}  // namespace

ParserFactory ParserFactory::with_setup(const kerfa_content::modules::FactorySetup& setup,
                                        DoubleTagMode mode) {
    return ParserFactory{setup, kerfa_parser_kerfa::configure::ParserFactory{setup, mode}};
}

types::DocumentType ParserFactory::document_type(const kerfa_content::types::Source& source) {
    const auto extension = source.extension();
    if (!extension) {
        return types::DocumentType::Text;
    }
    return utils::extension_to_document_type(*extension);
}

std::unique_ptr<Parser> ParserFactory::new_parser(
    const kerfa_content::types::Source& source) const {
    std::unique_ptr<Parser> parser;
    switch (document_type(source)) {
        case types::DocumentType::Markdown:
            parser = markdown_parser(*this);
            break;
        case types::DocumentType::Kerfa:
            parser = kerfa_parser(*this);
            break;
        case types::DocumentType::Text:
            parser = text_parser(*this);
            break;
    }
    return setup.wrap(std::move(parser));
}

kerfa_content::modules::parser::types::ParseData ParserFactory::parse_from(
    std::string_view text, const kerfa_content::types::Source& source) const {
    return new_parser(source)->parse_str(text);
}

}  // namespace kerfa_document_manager::configure
